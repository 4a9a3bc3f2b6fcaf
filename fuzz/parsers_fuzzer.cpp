// Every parser of outside text: window titles, time pages, German numbers and dates, stored
// preferences, the window lists of the KWin script and the GNOME extension. The first byte picks
// the parser, the rest is its input.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "app/logic/app_settings.h"
#include "capture/logic/title_scan.h"
#include "clock/logic/time_page.h"
#include "platform/logic/compositor_windows.h"
#include "platform/logic/german_decimal.h"
#include "platform/logic/german_format.h"
#include "platform/logic/utf.h"

const auto check = [](bool ok) { ok ? void() : std::abort(); };

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);
    switch (data[0] == 4 ? 4 : data[0] % 4) {
    case 4: // a compositor's window list: all but the own windows shown, as existing
        if (const auto windows = parseWindowRecords(text)) {
            const auto shown = toDesktopWindows(*windows, OwnWindows{1, {"zeitfang"}});
            const auto own = std::count_if(windows->begin(), windows->end(), [](const auto& w) {
                return w.pid == 1 || w.appId == "zeitfang";
            });
            check(shown.size() + static_cast<std::size_t>(own) == windows->size());
            for (const auto& w : shown)
                check((w.style & WS_VISIBLE) && (w.handle & 0x80000000u));
        }
        break;
    case 0: { // a window title, any bytes
        const std::u32string title = decodeUtf8(text);
        check(decodeUtf8(encodeUtf8(title)) == title);
        const TitleTakeOver t = takeOverTitle(title);
        check(t.itemNumber.size() <= 10 && t.itemTitle.size() <= 38);
        if (t.end)
            check(parseGermanDateTime(formatGeneralDateTime(*t.end), TimePart::Optional) == t.end);
        const ScanResult r = scanWindows({{1, WS_VISIBLE | WS_BORDER, title}}, 0, 0x10800000);
        check(r.accepted.has_value() == isAuctionTitle(title));
        break;
    }
    case 1: // a time page: text in front moves the field but does not change it
        if (const auto server = readServerTime(text)) {
            if (text.size() + 40 <= TimePageChunkSize)
                check(readServerTime(std::string(40, ' ') + text) == server);
            check(correctedSetting(*server, 86400).timeOfDay == timeOfDay(*server));
        }
        break;
    case 2: // a number as a user types it, and the placement's number text
        if (const auto value = parseGermanNumber(text)) {
            if (*value == std::trunc(*value) && std::fabs(*value) < 1e15) // placement values
                check(parseGermanNumber(formatGermanDecimal(*value)) == *value);
            const auto rounded = roundToInt16(*value);
            check(!rounded || (*rounded - *value <= 0.5 && *value - *rounded <= 0.5));
        }
        break;
    default: // a hand-edited preference: a usable number or the key's default
        for (const PreferenceKey& key : PreferenceKeys) {
            const std::int16_t value = preferenceFromText(text, key.defaultValue);
            check(preferenceFromText(std::to_string(value), 7) == value);
        }
    }
    return 0;
}

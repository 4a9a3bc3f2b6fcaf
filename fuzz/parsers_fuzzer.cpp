// Every parser of outside text: window titles, time pages, German numbers and dates, stored
// preferences, the window lists of the KWin script and the GNOME extension. The first byte picks
// the parser, the rest is its input.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "base/german_decimal.h"
#include "base/german_format.h"
#include "base/utf.h"
#include "capture/title_scan.h"
#include "clock/time_page.h"
#include "platform/wayland/compositor_windows.h"
#include "shared/app_settings.h"

const auto check = [](bool ok) { ok ? void() : std::abort(); };

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);
    switch (data[0] == 4 ? 4 : data[0] % 4) {
    case 4: // a compositor's window list: the windows shown exist and are never X windows
        if (const auto windows = parseWindowRecords(text))
            for (const auto& w : toDesktopWindows(*windows, OwnWindows{1, {"zeitfang"}}))
                check((w.style & kStyleVisible) && (w.handle & 0x80000000u));
        break;
    case 0: // a window title, any bytes
        if (const TitleTakeOver t = takeOverTitle(decodeUtf8(text)); t.end)
            check(parseGermanDateTime(formatGeneralDateTime(*t.end), TimePart::Optional) == t.end);
        break;
    case 1: // a time page: text in front moves the field but does not change it
        if (const auto server = readServerTime(text);
            server && text.size() + 40 <= kTimePageChunkSize)
            check(readServerTime(std::string(40, ' ') + text) == server);
        break;
    case 2: // a number as a user types it, and the placement's number text
        if (const auto value = parseGermanNumber(text);
            value && *value == std::trunc(*value) && std::fabs(*value) < 1e15) // placement values
            check(parseGermanNumber(formatGermanDecimal(*value)) == *value);
        break;
    default: // a hand-edited preference: a usable number or the key's default
        for (const PreferenceKey& key : kPreferenceKeys) {
            const std::int16_t value = preferenceFromText(text, key.defaultValue);
            check(preferenceFromText(std::to_string(value), 7) == value);
        }
    }
    return 0;
}

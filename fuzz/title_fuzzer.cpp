// Window titles as the X server hands them over: any bytes, read as UTF-8.
//
// Input: one window per line, from the top of the Z-order. A line's first byte gives the
// window's style bits (bit 0 visible, bit 1 bordered) and marks the program's own window
// (bit 2); the rest of the line is the title.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "capture/logic/title_scan.h"
#include "platform/logic/german_format.h"
#include "platform/logic/utf.h"

namespace {

void check(bool ok) {
    if (!ok)
        std::abort();
}

std::u32string asciiUpper(std::u32string text) {
    for (char32_t& c : text)
        if (c >= U'a' && c <= U'z')
            c -= U'a' - U'A';
    return text;
}

void checkTakeOver(const std::u32string& title) {
    const TitleTakeOver t = takeOverTitle(title);
    check(t.itemNumber.size() <= 10 && t.itemTitle.size() <= 38 && t.endText.size() <= 17);
    if (title.size() >= 13)
        check(title.compare(13, t.itemNumber.size(), t.itemNumber) == 0);
    if (title.size() >= 57)
        check(title.compare(57, t.itemTitle.size(), t.itemTitle) == 0);
    check(title.find(t.endText) != std::u32string::npos);
    if (t.end) {
        // An end read from a title is a real date that the display writes and reads back.
        check(isValidCivil(toCivil(*t.end)));
        check(parseGermanDateTime(formatGeneralDateTime(*t.end), TimePart::Optional) == t.end);
    }
    // The auction markers are found in any letter case.
    check(isAuctionTitle(title) == isAuctionTitle(asciiUpper(title)));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view input(reinterpret_cast<const char*>(data), size);
    std::vector<DesktopWindow> windows;
    std::uint32_t ownHandle = 0;
    while (!input.empty()) {
        const std::size_t end = input.find('\n');
        const std::string_view line = input.substr(0, end);
        input.remove_prefix(end == std::string_view::npos ? input.size() : end + 1);
        if (line.empty())
            continue;
        const auto flags = static_cast<unsigned char>(line[0]);
        DesktopWindow w;
        w.handle = static_cast<std::uint32_t>(windows.size() + 1);
        w.style = ((flags & 1) ? WS_VISIBLE : 0) | ((flags & 2) ? WS_BORDER : 0);
        bool valid = false;
        w.title = decodeUtf8(line.substr(1), &valid);
        // Whatever the bytes, the decoded title is text that encodes and decodes unchanged.
        check(decodeUtf8(encodeUtf8(w.title)) == w.title);
        if (valid)
            check(encodeUtf8(w.title) == line.substr(1));
        if ((flags & 4) && ownHandle == 0)
            ownHandle = w.handle;
        checkTakeOver(w.title);
        windows.push_back(std::move(w));
    }

    const ScanResult scan = scanWindows(windows, ownHandle, WS_VISIBLE | WS_BORDER);
    check(scan.instanceCount >= 0 &&
          static_cast<std::size_t>(scan.instanceCount) <= windows.size());
    std::size_t firstAuction = windows.size();
    for (std::size_t i = 0; i < windows.size(); ++i) {
        const DesktopWindow& w = windows[i];
        if (w.handle != ownHandle && w.style == (WS_VISIBLE | WS_BORDER) &&
            isAuctionTitle(w.title)) {
            firstAuction = i;
            break;
        }
    }
    // The accepted title is the topmost visible, bordered auction window that is not our own.
    if (firstAuction == windows.size())
        check(!scan.accepted.has_value());
    else
        check(scan.accepted == windows[firstAuction].title);
    return 0;
}

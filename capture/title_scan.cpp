#include "capture/title_scan.h"

#include <limits>

#include "base/german_format.h"
#include "base/utf.h"

namespace {

char32_t foldAscii(char32_t c) {
    return (c >= U'A' && c <= U'Z') ? c + (U'a' - U'A') : c;
}

// 0-based index of the first occurrence of an ASCII lower-case needle, in any letter case.
std::size_t findFolded(const std::u32string& haystack, std::u32string_view needle) {
    if (needle.size() > haystack.size())
        return std::u32string::npos;
    for (std::size_t i = 0; i + needle.size() <= haystack.size(); ++i) {
        std::size_t k = 0;
        while (k < needle.size() && foldAscii(haystack[i + k]) == needle[k])
            ++k;
        if (k == needle.size())
            return i;
    }
    return std::u32string::npos;
}

// Characters from 1-based position `start`, at most `count`, fewer when the text ends sooner.
std::u32string mid(const std::u32string& text, std::size_t start, std::size_t count) {
    return start - 1 < text.size() ? text.substr(start - 1, count) : std::u32string();
}

constexpr std::u32string_view kEndMarker = U"(endet ";

} // namespace

bool IsVisibleBordered(std::uint32_t style, std::uint32_t mask) {
    return (style & mask) == mask;
}

bool holdsOwnName(const std::u32string& title) {
    return title.find(U"Zeitfang") != std::u32string::npos;
}

bool isAuctionTitle(const std::u32string& title) {
    return findFolded(title, kEndMarker) != std::u32string::npos &&
           findFolded(title, U"ebay") != std::u32string::npos;
}

bool scanWindow(ScanResult& result, const DesktopWindow& w, std::uint32_t ownHandle,
                std::uint32_t styleMask) {
    if (w.handle == ownHandle || !IsVisibleBordered(w.style, styleMask) || w.title.empty())
        return true;
    if (holdsOwnName(w.title) && result.instanceCount < std::numeric_limits<std::int16_t>::max())
        ++result.instanceCount;
    if (!isAuctionTitle(w.title))
        return true;
    result.accepted = w.title;
    return false;
}

ScanResult scanWindows(const std::vector<DesktopWindow>& windows, std::uint32_t ownHandle,
                       std::uint32_t styleMask) {
    ScanResult result;
    for (const DesktopWindow& w : windows) {
        if (!scanWindow(result, w, ownHandle, styleMask))
            break;
    }
    return result;
}

TitleTakeOver takeOverTitle(const std::u32string& title) {
    TitleTakeOver t;
    t.itemTitle = mid(title, 58, 38);
    t.itemNumber = mid(title, 14, 10);
    const std::size_t marker = findFolded(title, kEndMarker);
    if (marker != std::u32string::npos) {
        t.endText = mid(title, marker + 1 + kEndMarker.size(), 17);
        t.end = parseGermanDateTime(encodeUtf8(t.endText), TimePart::Optional);
    }
    return t;
}

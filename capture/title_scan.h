#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "base/date_time.h"
#include "base/desktop_window.h"

// True when the window has every style bit of the mask.
bool IsVisibleBordered( // NOLINT(readability-identifier-naming)
    std::uint32_t style, std::uint32_t mask);

// "Zeitfang" anywhere, case-sensitive: another copy of this program.
bool holdsOwnName(const std::u32string& title);

// "(endet " and "eBay" anywhere, in any letter case.
bool isAuctionTitle(const std::u32string& title);

struct ScanResult {
    std::int16_t instanceCount = 0; // other copies' windows above the accepted one
    std::optional<std::u32string> accepted;
};

// One window of the walk from the top: false once it has taken an auction title, which ends it.
bool scanWindow(ScanResult& result, const DesktopWindow& window, std::uint32_t ownHandle,
                std::uint32_t styleMask);

// Walks the windows from the top and takes the first visible bordered auction title.
ScanResult scanWindows(const std::vector<DesktopWindow>& windows, std::uint32_t ownHandle,
                       std::uint32_t styleMask);

struct TitleTakeOver {
    std::u32string itemNumber; // characters 14..23
    std::u32string itemTitle;  // characters 58..95
    std::u32string endText;    // the 17 characters behind the first "(endet "
    std::optional<DateTime> end;
};

TitleTakeOver takeOverTitle(const std::u32string& title);

#include <gtest/gtest.h>

#include "capture/logic/title_scan.h"
#include "platform/logic/german_format.h"
#include "platform/logic/utf.h"

namespace {

std::u32string u(const char* s) {
    return decodeUtf8(s);
}

struct TitleCase {
    const char* title;
    const char* itemNumber;
    const char* itemTitle;
    const char* end; // general form, nullptr: unreadable
};

TEST(TitleTakeOver, CutsNumberTitleAndEnd) {
    const TitleCase cases[] = {
        {"eBay Angebot 1234567890 (endet 05.08.03 18:42:07 MESZ) - Espressokanne aus Aluminium, "
         "6 Tassen - Browser",
         "1234567890", "Espressokanne aus Aluminium, 6 Tassen ", "05.08.2003 18:42:07"},
        {"eBay Angebot 1234567890 (endet 05.12.03 09:05:00 MEZ) - Kinderfahrrad 20 Zoll",
         "1234567890", "inderfahrrad 20 Zoll", "05.12.2003 09:05:00"},
        {"eBay Angebot 987654321 (endet 01.02.04 20:00:00 MEZ) - Buch", "987654321 ", "ch",
         "01.02.2004 20:00:00"},
        {"EBAY Angebot 1234567890 (ENDET 31.01.04 23:59:59 MEZ) - Vase", "1234567890", "ase",
         "31.01.2004 23:59:59"},
        {"eBay Angebot 1234567890 (endet 06.07.03 00:00:00 MESZ) - Uhr", "1234567890", "Uhr",
         "06.07.2003"},
        // A second marker is ignored; the first anchors the end.
        {"eBay Angebot 1234567890 (endet 06.07.03 10:00:00) (endet 07.07.03 11:00:00)",
         "1234567890", "07.07.03 11:00:00)", "06.07.2003 10:00:00"},
        // Short titles give short or empty parts, no error.
        {"eBay (endet 01.02.04 20:00:00", "1.02.04 20", "", "01.02.2004 20:00:00"},
        {"eBay Angebot 12345 (endet 01.02.04 20:0", "12345 (end", "", "01.02.2004 20:00:00"},
        // Characters, not bytes: umlauts before the number do not shift it.
        {"eBäy Ängebot 1234567890 (endet 05.08.03 18:42:07 MESZ) - Öl für Lämpchen", "1234567890",
         "Öl für Lämpchen", "05.08.2003 18:42:07"},
        // A past end is taken over like any other.
        {"eBay Angebot 1234567890 (endet 01.01.30 00:00:01 MESZ) - Alt", "1234567890", "Alt",
         "01.01.1930 00:00:01"},
        {"eBay Angebot 1234567890 (endet morgen früh um acht) - Tasse", "1234567890", "se",
         nullptr},
        {"eBay Angebot 1234567890 (endet 31.02.04 10:00:00 MEZ) - Tasse", "1234567890", "asse",
         nullptr},
    };
    for (const auto& c : cases) {
        const TitleTakeOver t = takeOverTitle(u(c.title));
        EXPECT_EQ(encodeUtf8(t.itemNumber), c.itemNumber) << c.title;
        EXPECT_EQ(encodeUtf8(t.itemTitle), c.itemTitle) << c.title;
        if (c.end) {
            ASSERT_TRUE(t.end) << c.title;
            EXPECT_EQ(formatGeneralDateTime(*t.end), c.end) << c.title;
        } else {
            EXPECT_FALSE(t.end) << c.title;
        }
    }
}

TEST(TitleTakeOver, SurvivesHugeAndStrangeTitles) {
    std::u32string huge(100000, U'x');
    huge.replace(10, 7, U"(endet ");
    EXPECT_FALSE(takeOverTitle(huge).end);
    EXPECT_EQ(takeOverTitle(huge).itemTitle.size(), 38u);
    const std::u32string invalid = decodeUtf8("eBay \xFF\xFE (endet \xC3 05.08.03");
    EXPECT_FALSE(takeOverTitle(invalid).end);
    EXPECT_TRUE(takeOverTitle(U"").itemTitle.empty());
}

TEST(TitleMarkers, AcceptOnlyBothMarkersInAnyCase) {
    const std::pair<const char*, bool> cases[] = {
        {"eBay (endet 01.01.04 10:00:00)", true},
        {"EBAY (ENDET x", true},
        {"ebay (Endet x", true},
        {"eBay Angebot ohne Ende", false},
        {"Angebot (endet 01.01.04)", false},
        {"eBay (endet", false},
        {"eBay(endet)", false},
        {"", false},
    };
    for (const auto& [title, expected] : cases)
        EXPECT_EQ(isAuctionTitle(u(title)), expected) << title;
    EXPECT_TRUE(holdsOwnName(u("x Zeitfang 1.4.17")));
    EXPECT_FALSE(holdsOwnName(u("zeitfang")));
    EXPECT_FALSE(holdsOwnName(u("ZEITFANG")));
}

constexpr std::uint32_t Both = WS_VISIBLE | WS_BORDER;

TEST(WindowScan, TakesTheTopmostVisibleBorderedAuction) {
    const std::u32string auction = U"eBay 1 (endet 01.01.04 10:00:00)";
    const std::u32string other = U"eBay 2 (endet 02.02.04 10:00:00)";
    struct Case {
        const char* name;
        std::vector<DesktopWindow> windows;
        std::int16_t instances;
        std::optional<std::u32string> accepted;
    };
    const Case cases[] = {
        {"empty desktop", {}, 0, std::nullopt},
        {"upper of two auctions", {{5, Both, auction}, {6, Both, other}}, 0, auction},
        {"own window never examined",
         {{1, Both, other + U" Zeitfang"}, {5, Both, auction}},
         0,
         auction},
        {"hidden and borderless passed over",
         {{5, WS_BORDER, other}, {6, WS_VISIBLE, other}, {7, 0, other}, {8, Both, auction}},
         0,
         auction},
        {"copies above counted, below not",
         {{5, Both, U" Zeitfang 1.4.17"},
          {6, Both, U"x Zeitfang"},
          {7, Both, auction},
          {8, Both, U" Zeitfang 1.4.17"}},
         2,
         auction},
        {"accepted window with the name counted",
         {{5, Both, auction + U" Zeitfang"}},
         1,
         auction + U" Zeitfang"},
        {"empty title skipped", {{5, Both, U""}, {6, Both, U"zeitfang"}}, 0, std::nullopt},
        {"hidden copy not counted", {{5, WS_BORDER, U"Zeitfang"}}, 0, std::nullopt},
    };
    for (const auto& c : cases) {
        const ScanResult r = scanWindows(c.windows, 1, Both);
        EXPECT_EQ(r.instanceCount, c.instances) << c.name;
        EXPECT_EQ(r.accepted, c.accepted) << c.name;
    }
}

TEST(WindowScan, StyleTestNeedsEveryBitOfTheMask) {
    EXPECT_TRUE(IsVisibleBordered(Both | 0x40000, Both));
    EXPECT_FALSE(IsVisibleBordered(WS_VISIBLE, Both));
    EXPECT_TRUE(IsVisibleBordered(0, 0));
}

} // namespace

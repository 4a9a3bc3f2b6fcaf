#include <gtest/gtest.h>

#include "capture/logic/title_scan.h"
#include "platform/logic/german_format.h"
#include "platform/logic/utf.h"

namespace {

TEST(TitleTakeOver, CutsNumberTitleAndEnd) {
    // title, item number, item title, end ("": unreadable)
    const std::tuple<const char*, const char*, const char*, const char*> cases[] = {
        {"eBay Angebot 1234567890 (endet 05.08.03 18:42:07 MESZ) - Espressokanne aus Aluminium, "
         "6 Tassen - Browser",
         "1234567890", "Espressokanne aus Aluminium, 6 Tassen ", "05.08.2003 18:42:07"},
        {"EBAY Angebot 1234567890 (ENDET 31.01.04 23:59:59 MEZ) - Vase", "1234567890", "ase",
         "31.01.2004 23:59:59"},
        {"eBay Angebot 1234567890 (endet 05.08.03 18:42:07 MESZ) - U", "1234567890", "U",
         "05.08.2003 18:42:07"},
        {"eBay Angebot 1234567890 (endet 06.07.03 10:00:00) (endet 07.07.03 11:00:00)",
         "1234567890", "07.07.03 11:00:00)", "06.07.2003 10:00:00"},
        {"eBay (endet 01.02.04 20:00:00", "1.02.04 20", "", "01.02.2004 20:00:00"},
        {"eBäy Ängebot 1234567890 (endet 05.08.03 18:42:07 MESZ) - Öl für Lämpchen", "1234567890",
         "Öl für Lämpchen", "05.08.2003 18:42:07"},
        {"eBay Angebot 1234567890 (endet morgen früh um acht) - Tasse", "1234567890", "se", ""}};
    for (const auto& [title, itemNumber, itemTitle, end] : cases) {
        const TitleTakeOver t = takeOverTitle(decodeUtf8(title));
        EXPECT_EQ(std::tuple(encodeUtf8(t.itemNumber), encodeUtf8(t.itemTitle),
                             t.end ? formatGeneralDateTime(*t.end) : ""),
                  std::tuple(itemNumber, itemTitle, end))
            << title;
    }
}

TEST(WindowScan, TakesTheUppermostVisibleBorderedAuction) {
    constexpr std::uint32_t kVb = 0x10800000, kOwn = 0; // the first window of the first case
    const auto auction = [](const char* number) {
        return std::string("eBay Angebot ") + number + " (endet 05.08.03 18:42:07 MESZ) - Ding";
    };
    using Windows = std::vector<std::pair<std::uint32_t, std::string>>; // style, title; top first
    // the windows, the accepted item number (nullptr: none), the other copies counted
    const std::tuple<Windows, const char*, int> cases[] = {
        {{{kVb, auction("0000000007")}, {kVb, auction("0000000008")}}, "0000000008", 0},
        {{{kVb, auction("1111111111")}, {kVb, auction("2222222222")}}, "1111111111", 0},
        {{{0x10000000, auction("1111111111")},
          {0x00800000, auction("2222222222")},
          {kVb, auction("3333333333")}},
         "3333333333",
         0},
        {{{kVb, "Zeitfang 1.4"},
          {kVb, "zeitfang"},
          {kVb, "Zeitfang (endet 1.1.04 EBAY"},
          {kVb, "Zeitfang"}},
         "Zeitfang (endet",
         2},
        {{{kVb, "eBay (endet"}, {kVb, "(endetx eBay"}, {kVb, "(endet xbay"}, {kVb, ""}},
         nullptr,
         0}};
    std::uint32_t handle = kOwn; // unique across the cases
    for (const auto& [list, accepted, instances] : cases) {
        std::vector<DesktopWindow> windows;
        for (const auto& [style, title] : list)
            windows.push_back({handle++, style, decodeUtf8(title)});
        SCOPED_TRACE(handle);
        const ScanResult r = scanWindows(windows, kOwn, kVb);
        EXPECT_EQ(r.instanceCount, instances);
        ASSERT_EQ(r.accepted.has_value(), accepted != nullptr);
        if (r.accepted) {
            EXPECT_NE(encodeUtf8(*r.accepted).find(accepted), std::string::npos);
        }
    }
}

} // namespace

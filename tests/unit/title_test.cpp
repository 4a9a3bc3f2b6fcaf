#include <gtest/gtest.h>

#include "base/german_format.h"
#include "base/utf.h"
#include "capture/title_scan.h"

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
    const auto a = [](const char* number) {
        return std::string("eBay Angebot ") + number + " (endet 05.08.03 18:42:07 MESZ) - Ding";
    };
    using Windows = std::vector<std::pair<std::uint32_t, std::string>>; // style, title; top first
    // the accepted window's place (-1: none), the other copies counted, the windows
    const std::tuple<int, std::int16_t, Windows> cases[] = {
        {1, 0, {{kVb, a("0000000007")}, {kVb, a("0000000008")}}},
        {0, 0, {{kVb, a("1111111111")}, {kVb, a("2222222222")}}},
        {2, 0, {{0x10000000, a("1")}, {0x00800000, a("2")}, {kVb, a("3333333333")}}},
        {2,
         2,
         {{kVb, "Zeitfang"}, {kVb, "zeitfang"}, {kVb, "Zeitfang (endet eBAY"}, {kVb, "Zeitfang"}}},
        {-1, 0, {{kVb, "eBay (endet"}, {kVb, "(endetx eBay"}, {kVb, "(endet xbay"}, {kVb, ""}}}};
    std::uint32_t handle = kOwn; // unique across the cases
    for (const auto& [accepted, instances, list] : cases) {
        std::vector<DesktopWindow> windows;
        for (const auto& [style, title] : list)
            windows.push_back({handle++, style, decodeUtf8(title)});
        const ScanResult r = scanWindows(windows, kOwn, kVb);
        EXPECT_EQ(std::pair(r.instanceCount, r.accepted),
                  std::pair(instances,
                            accepted < 0 ? std::nullopt : std::optional(windows[accepted].title)))
            << handle;
    }
}

} // namespace

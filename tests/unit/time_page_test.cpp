#include <gtest/gtest.h>

#include "clock/logic/time_page.h"
#include "platform/logic/german_format.h"

namespace {

TEST(TimePage, ReadsTheFieldBeforeTheZoneWord) {
    const std::pair<std::string, const char*> pages[] = {
        // page, server time or "" for none
        {"Offizielle Zeit:   08.11.2004 14:05:33 MEZ", "08.11.2004 14:05:33"},
        {"Offizielle Zeit:   08.11.2004 14:05:33 mesz</b>", "08.11.2004 14:05:33"},
        {"Offizielle Zeit:   8.1.04 14:05:33     MEZ", "08.01.2004 14:05:33"},
        {"Offizielle Zeit:    08.11.2004 14:05:33  MEZ", "08.11.2004 14:05:33"},
        {"Offizielle Zeit:    08.11.2004 14:05:33MEZ", "08.11.2004 14:05:03"},
        {"<b>Mezzanine</b> 08.11.2004 14:05:33 MEZ", ""}, // the first MEZ anchors
        {"Offizielle Zeit: abcdefghijk MEZ 08.11.2004 14:05:33 MESZ", ""},
        {"   08.11.2004 14:05:33 MEZ", "08.11.2004 14:05:33"}, // anchor 24
        {"  08.11.2004 14:05:33 MEZ", ""},                     // anchor 23
        {"Offizielle Zeit:   08.11.2004 14:05    MEZ", "08.11.2004 14:05:00"},
        {"Offizielle Zeit:   08.11.2004          MEZ", ""},
        {"Offizielle Zeit:   31.11.2004 14:05:33 MEZ", ""},
        {"no zone word at all", ""}};
    for (const auto& [page, expected] : pages) {
        const auto t = readServerTime(page);
        EXPECT_EQ(t ? formatGeneralDateTime(*t) : "", expected) << page;
    }
    const std::string field = "   08.11.2004 14:05:33 MEZ"; // only the first 8192 are read
    for (const auto& [end, read] : {std::pair{8192u, true}, {8193u, false}, {20000u, false}})
        EXPECT_EQ(readServerTime(std::string(end - field.size(), '.') + field + "<br>").has_value(),
                  read)
            << end;
}

TEST(TimePage, CorrectionMovesTheTimeOfDayButNeverTheDate) {
    const auto at = [](int d, int h, int m, int s) { return fromCivil({2004, 11, d, h, m, s}); };
    EXPECT_EQ(correctionSeconds(at(8, 23, 59, 59), at(9, 0, 0, 1)), -86398);
    EXPECT_EQ(correctedSetting(at(8, 23, 59, 59), 2), (ClockSetting{1, 2004, 11, 8}));
    EXPECT_EQ(correctedSetting(at(8, 14, 5, 33), -86398),
              (ClockSetting{14 * 3600 + 5 * 60 + 35, 2004, 11, 8}));
}

} // namespace

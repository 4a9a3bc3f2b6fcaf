#include <gtest/gtest.h>

#include "base/german_format.h"
#include "clock/time_page.h"

namespace {

TEST(kTimePage, ReadsTheFieldBeforeTheZoneWord) {
    const std::pair<std::string, const char*> pages[] = {
        // page, server time or "" for none
        {"Offizielle Zeit:   08.11.2004 14:05:33 mesz</b>", "08.11.2004 14:05:33"},
        {"Offizielle Zeit:    08.11.2004 14:05:33MEZ", "08.11.2004 14:05:03"},
        {"<b>Mezzanine</b> 08.11.2004 14:05:33 MEZ", ""}, // the first MEZ anchors
        {"Offizielle Zeit: abcdefghijk MEZ 08.11.2004 14:05:33 MESZ", ""},
        {"   08.11.2004 14:05:33 MEZ", "08.11.2004 14:05:33"}, // anchor 24
        {"  08.11.2004 14:05:33 MEZ", ""},                     // anchor 23
        {"Offizielle Zeit:   08.11.2004          MEZ", ""},
        {"Offizielle Zeit:   31.11.2004 14:05:33 MEZ", ""},
        // Only the first 8192 characters are read: the zone word ends there, then one later.
        {std::string(8166, '.') + "   08.11.2004 14:05:33 MEZ<br>", "08.11.2004 14:05:33"},
        {std::string(8167, '.') + "   08.11.2004 14:05:33 MEZ<br>", ""}};
    for (const auto& [page, expected] : pages) {
        const auto t = readServerTime(page);
        EXPECT_EQ(t ? formatGeneralDateTime(*t) : "", expected) << page.substr(0, 60);
    }
}

TEST(kTimePage, CorrectionMovesTheTimeOfDayButNeverTheDate) {
    const auto at = [](int d, int h, int m, int s) { return fromCivil({2004, 11, d, h, m, s, {}}); };
    EXPECT_EQ(correctionSeconds(at(8, 23, 59, 59), at(9, 0, 0, 1)), -86398);
    EXPECT_EQ(correctedSetting(at(8, 23, 59, 59), 2), (CivilTime{2004, 11, 8, 0, 0, 1, {}}));
}

} // namespace

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "clock/logic/time_page.h"

namespace {

// 16 characters, so that the field of the examples below starts at position 17.
const std::string Lead = "Offizielle Zeit:";

std::optional<CivilTime> serverTime(const std::string& page) {
    const std::optional<DateTime> t = readServerTime(page);
    return t ? std::optional(toCivil(*t)) : std::nullopt;
}

TEST(TimePage, AnchorIsTheFirstMezElseTheFirstMesz) {
    const std::pair<std::string, std::size_t> cases[] = {
        {Lead + "   08.11.2004 14:05:33 MEZ", 40},
        {Lead + "   08.11.2004 14:05:33 MESZ", 40},
        {Lead + "   08.11.2004 14:05:33 mesz, MEZ", 46},
        {"<b>mEz</b> MESZ", 4},
        {"Mesz Mesz", 1},
        {"ME Z, MES Z, M\xC9Z", 0},
        {"", 0},
    };
    for (const auto& [page, anchor] : cases)
        EXPECT_EQ(findZoneAnchor(page), anchor) << page;
}

TEST(TimePage, FieldBeforeTheZoneWordIsRead) {
    const CivilTime example{2004, 11, 8, 14, 5, 33};
    const std::pair<std::string, std::optional<CivilTime>> cases[] = {
        {Lead + "   08.11.2004 14:05:33 MEZ <br>", example},
        {Lead + "   08.11.2004 14:05:33 MESZ", example},
        {Lead + "   08.11.2004 14:05:33 mez", example},
        {Lead + "      8.11.04 14:05:33 MEZ", example},
        // A first "mez" in markup is the anchor even when a good MESZ field follows.
        {"<meta name=\"Mezzanine\">" + Lead + "   08.11.2004 14:05:33 MESZ", std::nullopt},
        // Time against the zone word: the field starts one earlier and loses the last digit.
        {"Offizielle Zeit    08.11.2004 14:05:33MEZ", CivilTime{2004, 11, 8, 14, 5, 3}},
        // Two blanks before the zone word: one more leading character, a trailing blank.
        {Lead + "   08.11.2004 14:05:33  MEZ", example},
        // Anchor at 24 is the first with a whole field before it; 23 has none.
        {"  08.11.2004 14:05:33 ?MEZ", example},
        {"  08.11.2004 14:05:33 MEZ", std::nullopt},
        {"MEZ", std::nullopt},
        {Lead + "  Mo, 08.11. 14:05:33 MEZ", std::nullopt},
        {Lead + "   08.11.2004 14:05    MEZ", CivilTime{2004, 11, 8, 14, 5, 0}},
        {Lead + "   08.11.2004          MEZ", std::nullopt},
        {Lead + "   31.02.2004 14:05:33 MEZ", std::nullopt},
        {Lead + "   08.11.2004 14:05:33 CET", std::nullopt},
    };
    for (const auto& [page, expected] : cases)
        EXPECT_EQ(serverTime(page), expected) << page;
}

TEST(TimePage, CorrectionMovesTheTimeOfDayButNeverTheDate) {
    const DateTime d8 = fromCivil({2004, 11, 8, 0, 0, 0});
    const DateTime d9 = fromCivil({2004, 11, 9, 0, 0, 0});
    auto at = [](DateTime day, int h, int m, int s) {
        return DateTime{day.seconds + h * 3600 + m * 60 + s};
    };
    struct Case {
        DateTime server, response, now;
        ClockSetting expected;
    };
    const Case cases[] = {
        {at(d8, 14, 5, 33), at(d9, 14, 5, 30), at(d9, 14, 5, 32), {50735, 2004, 11, 8}},
        {at(d8, 14, 5, 33), at(d8, 23, 59, 59), at(d9, 0, 0, 1), {50735, 2004, 11, 8}},
        {at(d8, 23, 59, 59), at(d8, 10, 0, 0), at(d8, 10, 0, 2), {1, 2004, 11, 8}},
        {at(d8, 0, 0, 1), at(d8, 10, 0, 3), at(d8, 10, 0, 0), {86398, 2004, 11, 8}},
        {at(d8, 14, 5, 33), at(d8, 8, 0, 0), at(d8, 8, 0, 0), {50733, 2004, 11, 8}},
    };
    for (const Case& c : cases) {
        const ClockSetting s = correctedSetting(c.server, correctionSeconds(c.response, c.now));
        EXPECT_EQ(s, c.expected) << c.server.seconds << " " << c.response.seconds;
    }
}

} // namespace

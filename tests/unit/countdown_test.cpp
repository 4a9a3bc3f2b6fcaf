#include <gtest/gtest.h>

#include <limits>

#include "countdown/countdown.h"

namespace {

TEST(Countdown, EachRemainingTimeShowsItsTextStateAndPeriod) {
    using S = CountdownState;
    // remaining seconds, text, state, timer period, font size, red
    const std::tuple<std::int32_t, std::string, S, int, double, int> rows[] = {
        {2 * 86400 + 7 * 3600, "2 Tage\r\n7 Stunden", S::MoreThanADay, 500, 12, 0},
        {86400, "1 Tag\r\n0 Stunden", S::MoreThanADay, 500, 12, 0},
        {86400 - 1, "23 Stunden\r\n59 Minuten", S::LastDay, 500, 12, 0},
        {3600, "1 Stunde\r\n0 Minuten", S::LastDay, 500, 12, 0},
        {3600 - 1, "59 Minuten\r\n59 Sekunden", S::LastHour, 200, 12, 0},
        {61, "1 Minute\r\n1 Sekunden", S::LastHour, 200, 12, 0},
        {60, "1 Minute\r\n0 Sekunden", S::LastHour, 200, 12, 0},
        {59, "59", S::FinalMinute, 1000, 13, 0},
        {1, "1", S::FinalMinute, 1000, 71, 232},
        {0, "Auktion\r\nbeendet", S::Ended, 0, 16, 0},
        {-90000, "Auktion\r\nbeendet", S::Ended, 0, 16, 0}};
    for (const auto& [r, text, state, period, size, red] : rows) {
        const CountdownView v = countdownFor(r);
        EXPECT_EQ(std::tuple(v.text, v.state, v.periodMs, v.fontSize, v.red),
                  std::tuple(text, state, period, size, red))
            << r;
    }
}

TEST(Countdown, RemainingSecondsStayInTheirRange) {
    constexpr auto kMax = std::numeric_limits<std::int32_t>::max();
    constexpr auto kMin = std::numeric_limits<std::int32_t>::min();
    EXPECT_EQ(remainingSeconds(DateTime{std::int64_t{kMax} + 5000}, DateTime{1}), kMax);
    EXPECT_EQ(remainingSeconds(DateTime{1}, DateTime{std::int64_t{kMax} + 5000}), kMin);
}

} // namespace

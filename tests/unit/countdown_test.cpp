#include <gtest/gtest.h>

#include <limits>

#include "countdown/logic/countdown.h"

namespace {

struct Row {
    std::int32_t r;
    const char* text;
    CountdownState state;
    int period;
};

TEST(Countdown, ExampleTableWithEachStatesPeriod) {
    using S = CountdownState;
    const Row rows[] = {
        {2 * 86400 + 7 * 3600, "2 Tage\r\n7 Stunden", S::MoreThanADay, 500},
        {86400 + 3600 + 60 + 1, "1 Tag\r\n1 Stunde", S::MoreThanADay, 500},
        {86400, "1 Tag\r\n0 Stunden", S::MoreThanADay, 500},
        {400 * 86400 + 5, "400 Tage\r\n0 Stunden", S::MoreThanADay, 500},
        {86400 - 1, "23 Stunden\r\n59 Minuten", S::LastDay, 500},
        {2 * 3600 + 60, "2 Stunden\r\n1 Minute", S::LastDay, 500},
        {3600, "1 Stunde\r\n0 Minuten", S::LastDay, 500},
        {3600 - 1, "59 Minuten\r\n59 Sekunden", S::LastHour, 200},
        {14 * 60 + 3, "14 Minuten\r\n3 Sekunden", S::LastHour, 200},
        {61, "1 Minute\r\n1 Sekunden", S::LastHour, 200},
        {60, "1 Minute\r\n0 Sekunden", S::LastHour, 200},
        {59, "59", S::FinalMinute, 1000},
        {42, "42", S::FinalMinute, 1000},
        {1, "1", S::FinalMinute, 1000},
        {0, "Auktion\r\nbeendet", S::Ended, 0},
        {-1, "Auktion\r\nbeendet", S::Ended, 0},
        {std::numeric_limits<std::int32_t>::min(), "Auktion\r\nbeendet", S::Ended, 0},
    };
    for (const Row& row : rows) {
        const CountdownView v = countdownFor(row.r);
        EXPECT_EQ(v.text, row.text) << row.r;
        EXPECT_EQ(v.state, row.state) << row.r;
        EXPECT_EQ(v.periodMs, row.period) << row.r;
    }
}

TEST(Countdown, FinalMinuteGrowsAndReddens) {
    const std::tuple<std::int32_t, double, int> rows[] = {{59, 13, 0}, {30, 42, 116}, {1, 71, 232}};
    for (const auto& [r, size, red] : rows) {
        const CountdownView v = countdownFor(r);
        EXPECT_EQ(v.fontSize, size) << r;
        EXPECT_EQ(v.red, red) << r;
        EXPECT_EQ(v.secondText, std::to_string(r));
    }
    EXPECT_EQ(countdownFor(0).fontSize, 16);
    EXPECT_EQ(countdownFor(600).fontSize, 12);
    EXPECT_EQ(countdownFor(600).red, 0);
}

TEST(Countdown, RemainingSecondsStayInThirtyTwoBits) {
    EXPECT_EQ(remainingSeconds(DateTime{1000}, DateTime{958}), 42);
    EXPECT_EQ(remainingSeconds(DateTime{958}, DateTime{1000}), -42);
    EXPECT_EQ(remainingSeconds(DateTime{std::int64_t{1} << 40}, DateTime{0}),
              std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(remainingSeconds(DateTime{0}, DateTime{std::int64_t{1} << 40}),
              std::numeric_limits<std::int32_t>::min());
}

} // namespace

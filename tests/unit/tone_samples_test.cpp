#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "platform/logic/tone_samples.h"

namespace {

int peak(const std::vector<std::int16_t>& s, std::size_t from, std::size_t to) {
    int m = 0;
    for (std::size_t i = from; i < to; ++i)
        m = std::max(m, std::abs(static_cast<int>(s[i])));
    return m;
}

TEST(ToneSamples, LengthPitchAndFades) {
    struct Row {
        int hz, ms;
        unsigned rate;
    };
    for (const Row& row : {Row{900, 80, 48000}, Row{950, 80, 48000}, Row{900, 700, 48000},
                           Row{950, 80, 44100}, Row{440, 3, 8000}}) {
        const std::vector<std::int16_t> s = toneSamples(row.hz, row.ms, row.rate);
        const std::size_t n = static_cast<std::size_t>(row.ms) * row.rate / 1000;
        ASSERT_EQ(s.size(), n) << row.hz << "/" << row.ms;
        // Upward zero crossings count whole periods.
        int cycles = 0;
        for (std::size_t i = 1; i < n; ++i)
            cycles += s[i - 1] < 0 && s[i] >= 0;
        EXPECT_NEAR(cycles, row.hz * row.ms / 1000.0, 1.0) << row.hz << "/" << row.ms;
        // Silent at both ends, full in the middle, never clipped.
        const std::size_t edge = std::max<std::size_t>(1, row.rate / 4000);
        const int full = peak(s, n / 4, 3 * n / 4);
        EXPECT_GT(full, 8000);
        EXPECT_LT(peak(s, 0, edge), full / 4) << row.hz << "/" << row.ms;
        EXPECT_LT(peak(s, n - edge, n), full / 4) << row.hz << "/" << row.ms;
    }
}

TEST(ToneSamples, NothingForNoTone) {
    for (const auto& [hz, ms] : {std::pair{0, 80}, {900, 0}, {-5, 80}, {900, -1}})
        EXPECT_TRUE(toneSamples(hz, ms, 48000).empty()) << hz << "/" << ms;
}

} // namespace

#include "platform/logic/german_decimal.h"

#include <gtest/gtest.h>

#include "platform/logic/german_format.h"

namespace {

TEST(GermanDecimal, WritesWholeNumbersPlainAndFractionsWithAComma) {
    const std::pair<double, const char*> cases[] = {
        {1500, "1500"},
        {-15, "-15"},
        {0, "0"},
        {-0.0, "0"},
        {1234.5, "1234,5"},
        {0.1, "0,1"},
        {16777215, "16777215"},
        {1e20, "1E+20"},
        {2.0 / 3, "0,666666666666667"},
    };
    for (const auto& [value, text] : cases)
        EXPECT_EQ(formatGermanDecimal(value), text) << value;
}

TEST(GermanDecimal, ReadsBackAsTheSameNumber) {
    for (const double value : {1500.0, -82.5, 1234.25, 14.4 * 83, 1e-5, 123456789.125})
        EXPECT_DOUBLE_EQ(parseGermanNumber(formatGermanDecimal(value)).value_or(-1), value)
            << value;
}

} // namespace

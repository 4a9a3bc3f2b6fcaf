#include <gtest/gtest.h>

#include <string>

#include "clock/logic/time_page.h"

namespace {

// The page reader looks at the first 8192 characters alone, whatever handed it the text: a
// time whose zone word ends on the last of them is read, one character later it is not.
TEST(TimePageLimit, TimeBeyondTheFirstChunkIsNotRead) {
    const std::string field = "   08.11.2004 14:05:33 MEZ";
    for (const auto& [end, read] : {std::pair{8192u, true}, {8193u, false}, {20000u, false}}) {
        const std::string page = std::string(end - field.size(), '.') + field + " <br>";
        EXPECT_EQ(readServerTime(page).has_value(), read) << "zone word ending at " << end;
    }
}

} // namespace

#pragma once

#include <cstdint>
#include <string>

#include "base/date_time.h"

enum class CountdownState { MoreThanADay, LastDay, LastHour, FinalMinute, Ended };

// What one refresh shows for a remaining time.
struct CountdownView {
    CountdownState state = CountdownState::Ended;
    std::string text;       // the two lines joined by "\r\n", or the bare seconds
    std::string secondText; // the seconds' unit text (digits alone in the final minute)
    int periodMs = 0;       // 0: the timer stops
    double fontSize = 12;
    int red = 0; // text colour, green and blue are always 0
};

// Whole seconds from now to the end, clamped to the signed 32-bit range.
std::int32_t remainingSeconds(DateTime end, DateTime now);

CountdownView countdownFor(std::int32_t remaining);

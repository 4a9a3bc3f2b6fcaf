#pragma once

#include <optional>

#include "countdown/countdown.h"

class Form1Model;
struct Platform;
struct SharedState;

// One refresh of the countdown, computed afresh from the auction's end and the clock: the label,
// Timer1's pace, the alarm, and the signals of the final minute and of the end. Returns the state
// shown, none without an auction.
std::optional<CountdownState> updateCountdown(Form1Model& display, const SharedState& shared,
                                              Platform& platform);

#pragma once

#include <cstdint>
#include <string>

class Form1;
class Speaker;

// The three signals a refresh gives besides the countdown label.

// Five tones when the alarm is on and exactly its seconds remain.
void AlarmCheck(Form1& form, std::int32_t remaining);
// The alarm itself: a short warble between 900 and 950 Hz, then a long 900 Hz tone, 1,020 ms.
void SoundAlarm(Speaker& speaker);
// The seconds in the window's title, then one toggle of the window's attention state.
void FinalMinuteSignal(Form1& form, const std::string& secondText);
// The item's title alone in the window's title.
void EndOfAuctionSignal(Form1& form);

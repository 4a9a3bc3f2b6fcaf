#pragma once

#include <cstdint>
#include <string>

#include "shared/app_settings.h"

class Form1Model;
class Speaker;
class WindowAttention;

// The three signals a refresh gives besides the countdown label.

// Five tones when the alarm is on and exactly its seconds remain.
void alarmCheck(const AppSettingsRecord& settings, std::int32_t remaining, Speaker& speaker);
// The alarm itself: a short warble between 900 and 950 Hz, then a long 900 Hz tone, 1,020 ms.
void soundAlarm(Speaker& speaker);
// The seconds in the window's title, then one toggle of the window's attention state.
void finalMinuteSignal(Form1Model& display, const std::string& secondText,
                       WindowAttention& attention);
// The item's title alone in the window's title.
void endOfAuctionSignal(Form1Model& display, const std::string& itemTitle);

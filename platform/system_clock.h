#pragma once

#include "base/date_time.h"

class SystemClock {
  public:
    virtual ~SystemClock() = default;
    // The local date and time, the fraction of a second dropped.
    virtual DateTime now() = 0;
    // Sets the time of day (seconds since midnight), keeping today's date. Refusals are ignored.
    virtual void setTimeOfDay(std::int64_t secondsOfDay) = 0;
    // Sets the date, keeping the present time of day. Refusals are ignored.
    virtual void setDate(int year, int month, int day) = 0;
};

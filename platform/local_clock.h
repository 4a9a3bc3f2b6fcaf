#pragma once

#include "platform/system_clock.h"

// The machine's clock in local time (TZ honoured), through libc so tests can intercept it.
class LocalClock : public SystemClock {
  public:
    DateTime now() override;
    void setTimeOfDay(std::int64_t secondsOfDay) override;
    void setDate(int year, int month, int day) override;
};

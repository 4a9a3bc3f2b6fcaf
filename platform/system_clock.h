#pragma once

#include "base/date_time.h"

class SystemClock {
  public:
    // How the last set ended; Pending while it waits for someone's answer.
    enum class SetResult { Pending, Set, Refused };

    virtual ~SystemClock() = default;
    // The local date and time, the fraction of a second dropped.
    virtual DateTime now() = 0;
    // Sets the local date and time of day to `target`, as it stands at this call. When the
    // system must ask first (a password, a confirmation), returns at once with the set Pending;
    // the caller serves the event loop until it has ended.
    virtual void set(const CivilTime& target) = 0;
    virtual SetResult result() const = 0;
};

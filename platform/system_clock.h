#pragma once

#include "base/date_time.h"

class SystemClock {
  public:
    // How the last set ended; Pending while it waits for someone's answer. The refusals say why,
    // as far as the system tells.
    enum class SetResult {
        Pending,
        Set,
        Refused,       // for another reason, or none given
        AutomaticSync, // the system keeps its own time (NTP)
        NotAuthorized, // the password was refused, or its dialog cancelled
        GaveUp,        // the system stopped waiting for the password
        NotElevated,   // Windows: not run as an administrator
    };

    virtual ~SystemClock() = default;
    // The local date and time, the fraction of a second dropped.
    virtual DateTime now() = 0;
    // Sets the local date and time of day to `target`, as it stands at this call. When the
    // system must ask first (a password, a confirmation), returns at once with the set Pending;
    // the caller serves the event loop until it has ended.
    virtual void set(const CivilTime& target) = 0;
    virtual SetResult result() const = 0;
};

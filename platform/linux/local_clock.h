#pragma once

#include <QString>
#include <ctime>
#include <deque>
#include <functional>
#include <memory>

#include "platform/system_clock.h"

class QDBusPendingCallWatcher;

// The machine's clock in local time (TZ honoured), through libc so tests can intercept it.
// Setting it needs the right to do so; without it, systemd-timedated is asked over D-Bus
// (interactively, so polkit may ask for a password) without blocking: the event loop runs while
// polkit waits for the user. Sets keep their order: one that follows a question to timedated is
// made once that has been answered, to the clock as it then stands. Every refusal is ignored.
class LocalClock : public SystemClock {
  public:
    // An empty address means the system bus, where timedated lives.
    explicit LocalClock(QString timedateBusAddress = {});
    // Waits for the sets still under way, so a started synchronisation ends with the date set.
    ~LocalClock() override;
    LocalClock(const LocalClock&) = delete;
    LocalClock& operator=(const LocalClock&) = delete;

    DateTime now() override;
    void setTimeOfDay(std::int64_t secondsOfDay) override;
    void setDate(int year, int month, int day) override;

  private:
    // Changes the present local time and its fraction of a second into the ones to set; false
    // when there is nothing to set.
    using Change = std::function<bool(CivilTime&, long& nanoseconds)>;

    void set(Change change);
    void setWaiting();
    void setLocal(const CivilTime& c, long nanoseconds, const timespec& now);
    void askTimedate(std::int64_t changeUsec);
    void answered();

    QString m_busAddress;
    QString m_connectionName;
    // Each change is applied to the clock as it stands when its turn comes, so the date keeps
    // the time of day that the set before it made.
    std::deque<Change> m_waiting;
    std::unique_ptr<QDBusPendingCallWatcher> m_asking;
};

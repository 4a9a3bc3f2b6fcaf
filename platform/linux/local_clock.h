#pragma once

#include <QString>

#include "platform/system_clock.h"

// The machine's clock in local time (TZ honoured), through libc so tests can intercept it.
// Setting it needs the right to do so; without it, systemd-timedated is asked over D-Bus
// (interactively, so polkit may ask for a password). Every refusal is ignored.
class LocalClock : public SystemClock {
  public:
    // An empty address means the system bus, where timedated lives.
    explicit LocalClock(QString timedateBusAddress = {});
    ~LocalClock() override;
    LocalClock(const LocalClock&) = delete;
    LocalClock& operator=(const LocalClock&) = delete;

    DateTime now() override;
    void setTimeOfDay(std::int64_t secondsOfDay) override;
    void setDate(int year, int month, int day) override;

  private:
    void setLocal(const CivilTime& c);
    void askTimedate(std::int64_t epochSeconds);

    QString m_busAddress;
    QString m_connectionName;
};

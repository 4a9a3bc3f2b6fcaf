#pragma once

#include <QString>
#include <memory>

#include "platform/system_clock.h"

class QDBusPendingCallWatcher;

// The machine's clock in local time (TZ honoured), through libc so tests can intercept it.
// With the right to set it, the time of day is set and then the date. Without it,
// systemd-timedated is asked over D-Bus for the whole change at once (interactively, so polkit
// may ask for a password), without blocking: the set stays pending until timedated answers.
class LocalClock : public SystemClock {
  public:
    // An empty address means the system bus, where timedated lives.
    explicit LocalClock(QString timedateBusAddress = {});
    ~LocalClock() override;
    LocalClock(const LocalClock&) = delete;
    LocalClock& operator=(const LocalClock&) = delete;

    DateTime now() override;
    void set(const CivilTime& target) override;
    SetResult result() const override { return m_result; }

  private:
    void askTimedate(const CivilTime& target);

    QString m_busAddress;
    QString m_connectionName;
    std::unique_ptr<QDBusPendingCallWatcher> m_asking;
    SetResult m_result = SetResult::Refused;
};

#pragma once

#include <QString>
#include <QTimer>
#include <chrono>
#include <cstdint>
#include <memory>

#include "platform/system_clock.h"

class QDBusPendingCallWatcher;

// The machine's clock in local time (TZ honoured), through libc so tests can intercept it.
// With the right to set it, the date and time are set in one call. Without it,
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
    void askTimedate(bool interactive);
    void answered();

    QString m_busAddress;
    QString m_connectionName;
    std::unique_ptr<QDBusPendingCallWatcher> m_asking;
    QTimer m_askAgain;
    // The target as microseconds since the epoch, and when it was due: a later call asks for the
    // change the clock needs then.
    std::int64_t m_targetUsec = 0;
    std::chrono::steady_clock::time_point m_targetAt;
    bool m_waitingForGrant = false;
    SetResult m_result = SetResult::Refused;
};

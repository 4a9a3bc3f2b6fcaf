#include "platform/linux/local_clock.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <cerrno>
#include <ctime>

namespace {

// timedated waits for polkit only 25 s. polkit still takes the password later and keeps the
// grant for the asking process for 5 minutes, so after that a call passes without a dialog:
// asked again without interaction until then, the password's dialog stays the only one.
// Each call also keeps timedated from exiting idle, which would cancel the dialog.
constexpr auto kGrantWait = std::chrono::minutes(5);
constexpr int kAskAgainMs = 500;
// Longer than anything timedated waits itself.
constexpr int kTimedateTimeoutMs = 330000;

timespec realNow() {
    timespec ts{};
    clock_gettime(CLOCK_REALTIME, &ts);
    return ts;
}

CivilTime localCivil(std::time_t t) {
    std::tm tm{};
    localtime_r(&t, &tm);
    return CivilTime{tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday,     tm.tm_hour,
                     tm.tm_min,         tm.tm_sec,     tm.tm_isdst > 0};
}

std::time_t localMoment(const CivilTime& c, int isDst) {
    std::tm tm{};
    tm.tm_year = c.year - 1900;
    tm.tm_mon = c.month - 1;
    tm.tm_mday = c.day;
    tm.tm_hour = c.hour;
    tm.tm_min = c.minute;
    tm.tm_sec = c.second;
    tm.tm_isdst = isDst;
    return mktime(&tm);
}

// The moment a local wall-clock time names; -1 when it names none. In the hour that the autumn
// change repeats, `summerTime` says which of its two instances is meant.
std::time_t localMoment(const CivilTime& c) {
    if (c.summerTime) {
        const std::time_t t = localMoment(c, *c.summerTime ? 1 : 0);
        CivilTime back = localCivil(t);
        back.summerTime = c.summerTime;
        // Outside that hour the wall time has one instance only, whatever the word said.
        if (t != static_cast<std::time_t>(-1) && back == c)
            return t;
    }
    return localMoment(c, -1);
}

std::int64_t usecOf(const timespec& ts) {
    return std::int64_t{ts.tv_sec} * 1000000 + ts.tv_nsec / 1000;
}

SystemClock::SetResult refusal(const QString& error) {
    using R = SystemClock::SetResult;
    if (error == QLatin1String("org.freedesktop.timedate1.AutomaticTimeSyncEnabled"))
        return R::AutomaticSync;
    if (error == QLatin1String("org.freedesktop.DBus.Error.AccessDenied") ||
        error == QLatin1String("org.freedesktop.DBus.Error.InteractiveAuthorizationRequired"))
        return R::NotAuthorized;
    return R::Refused;
}

} // namespace

LocalClock::LocalClock(QString timedateBusAddress) : m_busAddress(std::move(timedateBusAddress)) {
    if (!m_busAddress.isEmpty())
        m_connectionName =
            QStringLiteral("zeitfang-timedate-%1").arg(reinterpret_cast<quintptr>(this));
    m_askAgain.setSingleShot(true);
    QObject::connect(&m_askAgain, &QTimer::timeout, [this] { askTimedate(false); });
}

LocalClock::~LocalClock() {
    // An open question ends with the process: polkit completes no login for a process that has
    // gone, and no further question comes.
    m_asking.reset();
    if (!m_connectionName.isEmpty())
        QDBusConnection::disconnectFromBus(m_connectionName);
}

DateTime LocalClock::now() {
    return fromCivil(localCivil(realNow().tv_sec));
}

void LocalClock::set(const CivilTime& target) {
    if (m_result == SetResult::Pending)
        return;
    const std::time_t t = isValidCivil(target) ? localMoment(target) : -1;
    m_result = SetResult::Refused;
    if (t == static_cast<std::time_t>(-1))
        return;
    // Date and time of day at once: two calls could straddle midnight.
    const timespec ts{t, 0};
    if (clock_settime(CLOCK_REALTIME, &ts) == 0) {
        m_result = SetResult::Set;
    } else if (errno == EPERM) {
        m_targetUsec = std::int64_t{t} * 1000000;
        m_targetAt = std::chrono::steady_clock::now();
        m_waitingForGrant = false;
        askTimedate(true);
    }
}

void LocalClock::askTimedate(bool interactive) {
    QDBusConnection bus = m_busAddress.isEmpty()
                              ? QDBusConnection::systemBus()
                              : QDBusConnection::connectToBus(m_busAddress, m_connectionName);
    if (!bus.isConnected()) {
        m_result = SetResult::Refused;
        return;
    }
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.timedate1"), QStringLiteral("/org/freedesktop/timedate1"),
        QStringLiteral("org.freedesktop.timedate1"), QStringLiteral("SetTime"));
    // Date and time as one change against the clock's reading now, to the microsecond: timedated
    // adds it to its own reading once polkit has the user's answer, so a slow password neither
    // delays the clock nor, across midnight, leaves it on the wrong day.
    const auto due = std::chrono::duration_cast<std::chrono::microseconds>(
        std::chrono::steady_clock::now() - m_targetAt);
    const qlonglong changeUsec = m_targetUsec + due.count() - usecOf(realNow());
    const bool relative = true;
    call << changeUsec << relative << interactive;
    call.setInteractiveAuthorizationAllowed(interactive);
    // Not waited for here: the countdown goes on while polkit asks for a password.
    m_asking = std::make_unique<QDBusPendingCallWatcher>(bus.asyncCall(call, kTimedateTimeoutMs));
    m_result = SetResult::Pending;
    QObject::connect(m_asking.get(), &QDBusPendingCallWatcher::finished, m_asking.get(),
                     [this] { answered(); });
}

void LocalClock::answered() {
    const QString error = m_asking->isError() ? m_asking->error().name() : QString();
    // Called from the watcher's own signal: it is deleted once that has returned.
    m_asking.release()->deleteLater();
    if (error.isEmpty()) {
        m_result = SetResult::Set;
        return;
    }
    // timedated gave up waiting for the password, or the password has not come yet.
    const bool waiting =
        error == QLatin1String("org.freedesktop.DBus.Error.NoReply") ||
        (m_waitingForGrant &&
         error == QLatin1String("org.freedesktop.DBus.Error.InteractiveAuthorizationRequired"));
    if (!waiting) {
        m_result = refusal(error);
    } else if (std::chrono::steady_clock::now() - m_targetAt < kGrantWait) {
        m_waitingForGrant = true;
        m_askAgain.start(kAskAgainMs);
    } else {
        m_result = SetResult::GaveUp;
    }
}

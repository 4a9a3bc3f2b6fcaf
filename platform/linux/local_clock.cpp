#include "platform/linux/local_clock.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <cerrno>
#include <ctime>

namespace {

// Long enough for the user to answer polkit's password dialog.
constexpr int kTimedateTimeoutMs = 120000;

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

// The moment a local wall-clock time names; -1 when it names none.
std::time_t localMoment(const CivilTime& c) {
    std::tm tm{};
    tm.tm_year = c.year - 1900;
    tm.tm_mon = c.month - 1;
    tm.tm_mday = c.day;
    tm.tm_hour = c.hour;
    tm.tm_min = c.minute;
    tm.tm_sec = c.second;
    tm.tm_isdst = -1;
    return mktime(&tm);
}

// 0 once the clock shows that local time, else why not.
int setLocal(const CivilTime& c, long nanoseconds) {
    const std::time_t t = localMoment(c);
    if (t == static_cast<std::time_t>(-1))
        return EINVAL;
    const timespec ts{t, nanoseconds};
    return clock_settime(CLOCK_REALTIME, &ts) == 0 ? 0 : errno;
}

} // namespace

LocalClock::LocalClock(QString timedateBusAddress) : m_busAddress(std::move(timedateBusAddress)) {
    if (!m_busAddress.isEmpty())
        m_connectionName =
            QStringLiteral("zeitfang-timedate-%1").arg(reinterpret_cast<quintptr>(this));
}

LocalClock::~LocalClock() {
    // An unanswered question stays with timedated, which sets the clock all the same.
    m_asking.reset();
    if (!m_connectionName.isEmpty())
        QDBusConnection::disconnectFromBus(m_connectionName);
}

DateTime LocalClock::now() {
    return fromCivil(localCivil(realNow().tv_sec));
}

void LocalClock::set(const CivilTime& target) {
    if (m_asking)
        return;
    CivilTime today = localCivil(realNow().tv_sec);
    today.hour = target.hour, today.minute = target.minute, today.second = target.second;
    const int timeOfDay = setLocal(today, 0);
    if (timeOfDay == EPERM)
        return askTimedate(target);
    // The date keeps the time of day just set.
    const timespec now = realNow();
    CivilTime date = localCivil(now.tv_sec);
    date.year = target.year, date.month = target.month, date.day = target.day;
    const int day = isValidCivil(date) ? setLocal(date, now.tv_nsec) : EINVAL;
    m_result = timeOfDay == 0 && day == 0 ? SetResult::Set : SetResult::Refused;
}

void LocalClock::askTimedate(const CivilTime& target) {
    m_result = SetResult::Refused;
    QDBusConnection bus = m_busAddress.isEmpty()
                              ? QDBusConnection::systemBus()
                              : QDBusConnection::connectToBus(m_busAddress, m_connectionName);
    const std::time_t t = localMoment(target);
    if (!bus.isConnected() || t == static_cast<std::time_t>(-1))
        return;
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.timedate1"), QStringLiteral("/org/freedesktop/timedate1"),
        QStringLiteral("org.freedesktop.timedate1"), QStringLiteral("SetTime"));
    // Date and time as one change against the clock's reading now, to the microsecond: timedated
    // adds it to its own reading once polkit has the user's answer, so a slow password neither
    // delays the clock nor, across midnight, leaves it on the wrong day.
    const timespec now = realNow();
    const qlonglong changeUsec = (t - now.tv_sec) * qlonglong{1000000} - now.tv_nsec / 1000;
    const bool relative = true;
    const bool interactive = true;
    call << changeUsec << relative << interactive;
    call.setInteractiveAuthorizationAllowed(true);
    // Not waited for here: the countdown goes on while polkit asks for a password.
    m_asking = std::make_unique<QDBusPendingCallWatcher>(bus.asyncCall(call, kTimedateTimeoutMs));
    m_result = SetResult::Pending;
    QObject::connect(m_asking.get(), &QDBusPendingCallWatcher::finished, m_asking.get(), [this] {
        m_result = m_asking->isError() ? SetResult::Refused : SetResult::Set;
        // Called from the watcher's own signal: it is deleted once that has returned.
        m_asking.release()->deleteLater();
    });
}

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
    return CivilTime{tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday,
                     tm.tm_hour,        tm.tm_min,     tm.tm_sec};
}

} // namespace

LocalClock::LocalClock(QString timedateBusAddress) : m_busAddress(std::move(timedateBusAddress)) {
    if (!m_busAddress.isEmpty())
        m_connectionName =
            QStringLiteral("zeitfang-timedate-%1").arg(reinterpret_cast<quintptr>(this));
}

LocalClock::~LocalClock() {
    while (m_asking) {
        m_asking->disconnect(); // answered here, not through the signal
        m_asking->waitForFinished();
        m_asking.reset();
        setWaiting();
    }
    if (!m_connectionName.isEmpty())
        QDBusConnection::disconnectFromBus(m_connectionName);
}

DateTime LocalClock::now() {
    return fromCivil(localCivil(realNow().tv_sec));
}

void LocalClock::setTimeOfDay(std::int64_t secondsOfDay) {
    set([secondsOfDay](CivilTime& c, long& nanoseconds) {
        c.hour = static_cast<int>(secondsOfDay / 3600);
        c.minute = static_cast<int>(secondsOfDay / 60 % 60);
        c.second = static_cast<int>(secondsOfDay % 60);
        nanoseconds = 0;
        return true;
    });
}

void LocalClock::setDate(int year, int month, int day) {
    set([year, month, day](CivilTime& c, long&) {
        c.year = year, c.month = month, c.day = day;
        return isValidCivil(c);
    });
}

void LocalClock::set(Change change) {
    m_waiting.push_back(std::move(change));
    setWaiting();
}

void LocalClock::setWaiting() {
    while (!m_asking && !m_waiting.empty()) {
        const Change change = std::move(m_waiting.front());
        m_waiting.pop_front();
        const timespec now = realNow();
        CivilTime c = localCivil(now.tv_sec);
        long nanoseconds = now.tv_nsec;
        if (change(c, nanoseconds))
            setLocal(c, nanoseconds, now);
    }
}

// Sets the clock to a local wall-clock time; a refusal is ignored.
void LocalClock::setLocal(const CivilTime& c, long nanoseconds, const timespec& now) {
    std::tm tm{};
    tm.tm_year = c.year - 1900;
    tm.tm_mon = c.month - 1;
    tm.tm_mday = c.day;
    tm.tm_hour = c.hour;
    tm.tm_min = c.minute;
    tm.tm_sec = c.second;
    tm.tm_isdst = -1;
    const std::time_t t = mktime(&tm);
    if (t == static_cast<std::time_t>(-1))
        return;
    const timespec ts{t, nanoseconds};
    if (clock_settime(CLOCK_REALTIME, &ts) != 0 && errno == EPERM)
        askTimedate((t - now.tv_sec) * std::int64_t{1000000} + (nanoseconds - now.tv_nsec) / 1000);
}

void LocalClock::askTimedate(std::int64_t changeUsec) {
    QDBusConnection bus = m_busAddress.isEmpty()
                              ? QDBusConnection::systemBus()
                              : QDBusConnection::connectToBus(m_busAddress, m_connectionName);
    if (!bus.isConnected())
        return;
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.timedate1"), QStringLiteral("/org/freedesktop/timedate1"),
        QStringLiteral("org.freedesktop.timedate1"), QStringLiteral("SetTime"));
    // timedated adds a relative change to its own reading when it sets, after polkit has had
    // the user's answer; an absolute time would be late by as long as the password took.
    const bool relative = true;
    const bool interactive = true;
    call << static_cast<qlonglong>(changeUsec) << relative << interactive;
    call.setInteractiveAuthorizationAllowed(true);
    // Not waited for here: the countdown goes on while polkit asks for a password.
    m_asking = std::make_unique<QDBusPendingCallWatcher>(bus.asyncCall(call, kTimedateTimeoutMs));
    QObject::connect(m_asking.get(), &QDBusPendingCallWatcher::finished, m_asking.get(),
                     [this] { answered(); });
}

// The answer, a refusal included, lets the next set go ahead.
void LocalClock::answered() {
    // Called from the watcher's own signal: it is deleted once that has returned.
    m_asking.release()->deleteLater();
    setWaiting();
}

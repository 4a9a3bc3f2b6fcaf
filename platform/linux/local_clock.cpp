#include "platform/linux/local_clock.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <cerrno>
#include <ctime>

namespace {

// Long enough for the user to answer polkit's password dialog.
constexpr int TimedateTimeoutMs = 120000;

CivilTime localNow() {
    timespec ts{};
    clock_gettime(CLOCK_REALTIME, &ts);
    std::tm tm{};
    localtime_r(&ts.tv_sec, &tm);
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
    if (!m_connectionName.isEmpty())
        QDBusConnection::disconnectFromBus(m_connectionName);
}

DateTime LocalClock::now() {
    return fromCivil(localNow());
}

void LocalClock::setTimeOfDay(std::int64_t secondsOfDay) {
    CivilTime c = localNow();
    c.hour = static_cast<int>(secondsOfDay / 3600);
    c.minute = static_cast<int>(secondsOfDay / 60 % 60);
    c.second = static_cast<int>(secondsOfDay % 60);
    setLocal(c);
}

void LocalClock::setDate(int year, int month, int day) {
    CivilTime c = localNow();
    c.year = year, c.month = month, c.day = day;
    if (isValidCivil(c))
        setLocal(c);
}

// Sets the clock to a local wall-clock time; a refusal is ignored.
void LocalClock::setLocal(const CivilTime& c) {
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
    const timespec ts{t, 0};
    if (clock_settime(CLOCK_REALTIME, &ts) != 0 && errno == EPERM)
        askTimedate(t);
}

void LocalClock::askTimedate(std::int64_t epochSeconds) {
    QDBusConnection bus = m_busAddress.isEmpty()
                              ? QDBusConnection::systemBus()
                              : QDBusConnection::connectToBus(m_busAddress, m_connectionName);
    if (!bus.isConnected())
        return;
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.timedate1"), QStringLiteral("/org/freedesktop/timedate1"),
        QStringLiteral("org.freedesktop.timedate1"), QStringLiteral("SetTime"));
    const bool relative = false;
    const bool interactive = true;
    call << static_cast<qlonglong>(epochSeconds * 1000000) << relative << interactive;
    call.setInteractiveAuthorizationAllowed(true);
    // Blocking without serving events: the clock is being set, nothing else may run meanwhile.
    bus.call(call, QDBus::Block, TimedateTimeoutMs);
}

#include "platform/local_clock.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
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
    return fromCivil(localNow());
}

void LocalClock::setTimeOfDay(std::int64_t secondsOfDay) {
    set([secondsOfDay](CivilTime& c) {
        c.hour = static_cast<int>(secondsOfDay / 3600);
        c.minute = static_cast<int>(secondsOfDay / 60 % 60);
        c.second = static_cast<int>(secondsOfDay % 60);
        return true;
    });
}

void LocalClock::setDate(int year, int month, int day) {
    set([year, month, day](CivilTime& c) {
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
        CivilTime c = localNow();
        if (change(c))
            setLocal(c);
    }
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
    // Not waited for here: the countdown goes on while polkit asks for a password.
    m_asking = std::make_unique<QDBusPendingCallWatcher>(bus.asyncCall(call, TimedateTimeoutMs));
    QObject::connect(m_asking.get(), &QDBusPendingCallWatcher::finished, m_asking.get(),
                     [this] { answered(); });
}

// The answer, a refusal included, lets the next set go ahead.
void LocalClock::answered() {
    // Called from the watcher's own signal: it is deleted once that has returned.
    m_asking.release()->deleteLater();
    setWaiting();
}

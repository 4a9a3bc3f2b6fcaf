#include "platform/local_clock.h"

#include <ctime>

namespace {

CivilTime localNow() {
    timespec ts{};
    clock_gettime(CLOCK_REALTIME, &ts);
    std::tm tm{};
    localtime_r(&ts.tv_sec, &tm);
    return CivilTime{tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday,
                     tm.tm_hour,        tm.tm_min,     tm.tm_sec};
}

// Sets the clock to a local wall-clock time; a refusal (no right to set it) is ignored.
void setLocal(const CivilTime& c) {
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
    clock_settime(CLOCK_REALTIME, &ts);
}

} // namespace

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

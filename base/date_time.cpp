#include "base/date_time.h"

#include <chrono>

namespace {
using namespace std::chrono;

constexpr sys_days kEpoch = sys_days{year{1899} / December / 30};

int daysInMonth(int y, int m) {
    return static_cast<int>(static_cast<unsigned>(
        year_month_day_last{year{y} / month{static_cast<unsigned>(m)} / last}.day()));
}
} // namespace

bool isValidCivil(const CivilTime& t) {
    return t.year >= 100 && t.year <= 9999 && t.month >= 1 && t.month <= 12 && t.day >= 1 &&
           t.day <= daysInMonth(t.year, t.month) && t.hour >= 0 && t.hour < 24 && t.minute >= 0 &&
           t.minute < 60 && t.second >= 0 && t.second < 60;
}

DateTime fromCivil(const CivilTime& t) {
    const sys_days d =
        year{t.year} / month{static_cast<unsigned>(t.month)} / day{static_cast<unsigned>(t.day)};
    return DateTime{(d - kEpoch).count() * kSecondsPerDay + t.hour * 3600LL + t.minute * 60LL +
                    t.second};
}

CivilTime toCivil(DateTime t) {
    std::int64_t days = t.seconds / kSecondsPerDay;
    if (t.seconds % kSecondsPerDay < 0)
        --days;
    const std::int64_t tod = timeOfDay(t);
    const year_month_day ymd{kEpoch + std::chrono::days{days}};
    return CivilTime{static_cast<int>(ymd.year()),
                     static_cast<int>(static_cast<unsigned>(ymd.month())),
                     static_cast<int>(static_cast<unsigned>(ymd.day())),
                     static_cast<int>(tod / 3600),
                     static_cast<int>(tod / 60 % 60),
                     static_cast<int>(tod % 60),
                     std::nullopt};
}

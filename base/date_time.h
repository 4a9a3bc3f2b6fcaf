#pragma once

#include <compare>
#include <cstdint>
#include <optional>

// A local wall-clock time in whole seconds. The epoch, 30.12.1899 00:00:00, lies before any
// date the program ever reads, so the value zero stays free to mean "no auction".
struct DateTime {
    std::int64_t seconds = 0;

    bool isZero() const { return seconds == 0; }
    auto operator<=>(const DateTime&) const = default;
};

struct CivilTime {
    int year = 1899;
    int month = 12;
    int day = 30;
    int hour = 0;
    int minute = 0;
    int second = 0;
    // Which of the two instances of a repeated autumn hour is meant: true for summer time, false
    // for standard time, none when nobody said.
    std::optional<bool> summerTime;
    bool operator==(const CivilTime&) const = default;
};

bool isValidCivil(const CivilTime& t);
DateTime fromCivil(const CivilTime& t);
CivilTime toCivil(DateTime t);

inline constexpr std::int64_t kSecondsPerDay = 86400;

// Seconds since midnight, 0..86399.
inline std::int64_t timeOfDay(DateTime t) {
    const std::int64_t r = t.seconds % kSecondsPerDay;
    return r < 0 ? r + kSecondsPerDay : r;
}

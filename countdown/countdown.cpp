#include "countdown/countdown.h"

#include <algorithm>
#include <limits>

namespace {

std::int64_t floorDiv(std::int64_t a, std::int64_t b) {
    const std::int64_t q = a / b;
    return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

std::string unit(std::int64_t value, const char* singular, const char* plural) {
    return value == 1 ? std::string("1 ") + singular : std::to_string(value) + " " + plural;
}

} // namespace

std::int32_t remainingSeconds(DateTime end, DateTime now) {
    const std::int64_t r = end.seconds - now.seconds;
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(
        r, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

CountdownView countdownFor(std::int32_t remaining) {
    const std::int64_t r = remaining;
    const std::int64_t days = floorDiv(r, 86400);
    const std::int64_t hoursTotal = floorDiv(r, 3600);
    const std::int64_t minutesTotal = floorDiv(r, 60);
    const std::int64_t hours = hoursTotal - 24 * days;
    const std::int64_t minutes = minutesTotal - 60 * hoursTotal;
    const std::int64_t seconds = r - 60 * minutesTotal;

    std::string dayText, hourText, minuteText, secondText;
    if (days > 0)
        dayText = unit(days, "Tag", "Tage");
    if (hoursTotal > 0)
        hourText = unit(hours, "Stunde", "Stunden");
    if (minutesTotal > 0) {
        minuteText = unit(minutes, "Minute", "Minuten");
        secondText = std::to_string(seconds) + " Sekunden"; // seconds have no singular
    } else {
        secondText = std::to_string(seconds);
    }

    CountdownView v;
    v.secondText = secondText;
    if (r <= 0) {
        v.state = CountdownState::Ended;
        v.text = "Auktion\r\nbeendet";
        v.fontSize = 16;
    } else if (r < 60) {
        v.state = CountdownState::FinalMinute;
        v.text = secondText;
        v.periodMs = 1000;
        v.fontSize = static_cast<double>(72 - r);
        v.red = static_cast<int>(236 - 4 * r);
    } else if (r < 3600) {
        v.state = CountdownState::LastHour;
        v.text = minuteText + "\r\n" + secondText;
        v.periodMs = 200;
    } else if (r < 86400) {
        v.state = CountdownState::LastDay;
        v.text = hourText + "\r\n" + minuteText;
        v.periodMs = 500;
    } else {
        v.state = CountdownState::MoreThanADay;
        v.text = dayText + "\r\n" + hourText;
        v.periodMs = 500;
    }
    return v;
}

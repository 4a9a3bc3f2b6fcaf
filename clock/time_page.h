#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "base/date_time.h"

// The auction server's time page: its date and time stand in a fixed-width field before the
// zone word. The page is taken one character per byte (Latin-1).

// Only this much of the page is ever examined.
inline constexpr int kTimePageChunkSize = 8192;

// 1-based position of "MEZ" in an upper-cased copy of the page, or, when that occurs nowhere,
// of "MESZ"; 0 when neither occurs.
std::size_t findZoneAnchor(std::string_view page);

// Whether the zone word that anchors the field is "MESZ" (summer time) rather than "MEZ"; none
// without either.
std::optional<bool> isSummerTimeWord(std::string_view page);

// The server's date and time, from the first kTimePageChunkSize characters of the page only: the
// 22 characters that end two characters before the anchor (the one directly before the zone
// word is skipped), read as a German date and time. None when there is no anchor, too little text
// before it, or the field does not convert.
std::optional<DateTime> readServerTime(std::string_view page);

// Seconds that passed between the moment the response began to arrive and now. Only times of
// day are compared, so the result is negative when midnight passed in between; the setting
// below uses it modulo a day.
std::int64_t correctionSeconds(DateTime responseTime, DateTime now);

// What the clock is set to: the time of day of the server's time advanced by the correction, on
// the date of the server's time as read (a correction across midnight never moves the date).
// `summerTime` picks the instance of a wall time that the autumn change repeats.
CivilTime correctedSetting(DateTime serverTime, std::int64_t correction,
                           std::optional<bool> summerTime = std::nullopt);

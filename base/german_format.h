#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "base/date_time.h"

// German conventions, whatever the machine's locale: decimal comma, '.' groups thousands,
// day.month.year, 24-hour time.

// A number as a German user writes it: blanks around it, a sign, '.' between digits as
// thousands separator, ',' as decimal separator, an exponent. Nothing else.
std::optional<double> parseGermanNumber(std::string_view text);

// Nearest integer, a fraction of exactly one half to the even neighbour; none outside 16 bits.
std::optional<std::int16_t> roundToInt16(double value);

// A text of the settings store or the options dialog as a 16-bit number.
std::optional<std::int16_t> parseGermanInt16(std::string_view text);

enum class TimePart { Optional, Required };

// day.month.year (day and month of one or two digits, year of two or four), then blanks and
// hours:minutes[:seconds]. Two-digit years fall in 1930..2029. Blanks around it are ignored.
std::optional<DateTime> parseGermanDateTime(std::string_view text, TimePart time);

// DD.MM.YYYY hh:mm:ss, or the date alone at exactly midnight.
std::string formatGeneralDateTime(DateTime t);

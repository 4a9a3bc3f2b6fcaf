#include "options/warn_seconds.h"

#include "base/german_format.h"

std::optional<std::int16_t> parseWarnSeconds(std::string_view text) {
    const std::optional<double> value = parseGermanNumber(text);
    if (!value || !(*value > 0))
        return std::nullopt;
    return roundToInt16(*value);
}

#include "base/german_decimal.h"

#include <charconv>

std::string formatGermanDecimal(double value) {
    if (value == 0)
        return "0"; // no "-0"
    char buffer[32];
    const auto [end, ec] =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    std::string text(buffer, ec == std::errc{} ? end : buffer);
    for (char& c : text) {
        if (c == '.')
            c = ',';
        else if (c == 'e')
            c = 'E';
    }
    return text;
}

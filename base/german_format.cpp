#include "base/german_format.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view trimBlanks(std::string_view s) {
    while (!s.empty() && isBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

// Reads 1..maxDigits digits at pos; returns the count read (0 = none).
int readNumber(std::string_view s, std::size_t& pos, int maxDigits, int& value) {
    int n = 0;
    value = 0;
    while (pos < s.size() && isDigit(s[pos]) && n < maxDigits) {
        value = value * 10 + (s[pos] - '0');
        ++pos;
        ++n;
    }
    return (pos < s.size() && isDigit(s[pos])) ? 0 : n; // too many digits
}

} // namespace

std::optional<double> parseGermanNumber(std::string_view text) {
    const std::string_view s = trimBlanks(text);
    std::string plain; // the same number in the notation from_chars reads
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        if (s[i] == '-')
            plain += '-';
        ++i;
    }
    int digits = 0;
    for (; i < s.size(); ++i) {
        if (isDigit(s[i])) {
            plain += s[i];
            ++digits;
        } else if (s[i] == '.' && digits > 0 && i + 1 < s.size() && isDigit(s[i + 1])) {
            continue; // thousands separator
        } else {
            break;
        }
    }
    if (i < s.size() && s[i] == ',') {
        plain += '.';
        for (++i; i < s.size() && isDigit(s[i]); ++i) {
            plain += s[i];
            ++digits;
        }
    }
    if (digits == 0)
        return std::nullopt;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        plain += 'e';
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-'))
            plain += s[i++];
        const std::size_t expStart = i;
        for (; i < s.size() && isDigit(s[i]); ++i)
            plain += s[i];
        if (i == expStart)
            return std::nullopt;
    }
    if (i != s.size())
        return std::nullopt;
    double value = 0;
    const auto [end, ec] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (ec != std::errc{} || end != plain.data() + plain.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<std::int16_t> roundToInt16(double value) {
    if (!std::isfinite(value))
        return std::nullopt;
    double r = std::round(value); // halves away from zero
    if (std::fabs(value - std::trunc(value)) == 0.5 && std::fmod(r, 2.0) != 0.0)
        r -= std::copysign(1.0, value);
    if (r < -32768.0 || r > 32767.0)
        return std::nullopt;
    return static_cast<std::int16_t>(r);
}

std::optional<std::int16_t> parseGermanInt16(std::string_view text) {
    const auto value = parseGermanNumber(text);
    return value ? roundToInt16(*value) : std::nullopt;
}

std::optional<DateTime> parseGermanDateTime(std::string_view text, TimePart time) {
    const std::string_view s = trimBlanks(text);
    std::size_t pos = 0;
    CivilTime t;
    if (readNumber(s, pos, 2, t.day) == 0 || pos >= s.size() || s[pos++] != '.')
        return std::nullopt;
    if (readNumber(s, pos, 2, t.month) == 0 || pos >= s.size() || s[pos++] != '.')
        return std::nullopt;
    const int yearDigits = readNumber(s, pos, 4, t.year);
    if (yearDigits == 2)
        t.year += t.year < 30 ? 2000 : 1900;
    else if (yearDigits != 4)
        return std::nullopt;
    if (pos < s.size()) {
        if (!isBlank(s[pos]))
            return std::nullopt;
        while (pos < s.size() && isBlank(s[pos]))
            ++pos;
        if (readNumber(s, pos, 2, t.hour) == 0 || pos >= s.size() || s[pos++] != ':')
            return std::nullopt;
        if (readNumber(s, pos, 2, t.minute) == 0)
            return std::nullopt;
        if (pos < s.size()) {
            if (s[pos++] != ':' || readNumber(s, pos, 2, t.second) == 0 || pos != s.size())
                return std::nullopt;
        }
    } else if (time == TimePart::Required) {
        return std::nullopt;
    }
    if (!isValidCivil(t))
        return std::nullopt;
    return fromCivil(t);
}

std::string formatGeneralDateTime(DateTime t) {
    const CivilTime c = toCivil(t);
    char buf[32];
    if (c.hour == 0 && c.minute == 0 && c.second == 0)
        std::snprintf(buf, sizeof buf, "%02d.%02d.%04d", c.day, c.month, c.year);
    else
        std::snprintf(buf, sizeof buf, "%02d.%02d.%04d %02d:%02d:%02d", c.day, c.month, c.year,
                      c.hour, c.minute, c.second);
    return buf;
}

// German number texts, as a user types them into the options or into the settings file.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "platform/logic/german_format.h"

namespace {

void check(bool ok) {
    if (!ok)
        std::abort();
}

void checkRounding(double value) {
    const auto r = roundToInt16(value);
    if (!std::isfinite(value)) {
        check(!r);
        return;
    }
    // Halves that would round to 32768 or below -32768 have no 16-bit neighbour to go to.
    const bool inRange = value < 32767.5 && value >= -32768.5;
    check(r.has_value() == inRange);
    if (!r)
        return;
    const double distance = std::fabs(*r - value);
    check(distance <= 0.5);
    if (distance == 0.5)
        check(*r % 2 == 0);
}

// An integer written the way a German user may write it: thousands grouped with '.', a
// decimal comma with zeros, blanks around.
std::string germanText(std::int16_t n, std::uint8_t style) {
    const std::string digits = std::to_string(std::abs(static_cast<int>(n)));
    std::string text;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if ((style & 1) && i > 0 && (digits.size() - i) % 3 == 0)
            text += '.';
        text += digits[i];
    }
    if (style & 2)
        text += ",000";
    if (n < 0)
        text.insert(0, "-");
    else if (style & 4)
        text.insert(0, "+");
    if (style & 8)
        text = " \t" + text + "  ";
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    const auto value = parseGermanNumber(text);
    if (value)
        checkRounding(*value);
    check(parseGermanInt16(text) == (value ? roundToInt16(*value) : std::nullopt));
    // Blanks around a number change nothing.
    check(parseGermanNumber(" " + std::string(text) + "\t") == value);

    if (size >= sizeof(double)) {
        double raw;
        std::memcpy(&raw, data, sizeof raw);
        checkRounding(raw);
    }
    if (size >= 3) {
        std::int16_t n;
        std::memcpy(&n, data, sizeof n);
        check(parseGermanInt16(germanText(n, data[2])) == n);
    }
    return 0;
}

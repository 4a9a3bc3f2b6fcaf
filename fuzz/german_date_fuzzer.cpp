// German date-time texts: the end of an auction in a window title and the server's time.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "platform/logic/date_time.h"
#include "platform/logic/german_format.h"

namespace {

void check(bool ok) {
    if (!ok)
        std::abort();
}

// What the program writes, it reads back as the same moment.
void checkRoundTrip(DateTime t) {
    check(fromCivil(toCivil(t)) == t);
    const std::string text = formatGeneralDateTime(t);
    const bool midnight = timeOfDay(t) == 0;
    check(text.size() == (midnight ? 10u : 19u));
    check(parseGermanDateTime(text, TimePart::Optional) == t);
    const auto withTime = parseGermanDateTime(text, TimePart::Required);
    check(midnight ? !withTime : withTime == t);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    const auto optional = parseGermanDateTime(text, TimePart::Optional);
    const auto required = parseGermanDateTime(text, TimePart::Required);
    // Asking for a time of day only ever refuses more texts.
    if (required)
        check(optional == required);
    if (optional) {
        check(isValidCivil(toCivil(*optional)));
        checkRoundTrip(*optional);
    }

    if (size >= sizeof(std::int64_t)) {
        // Any moment of the years the conversions cover, 100 to 9999.
        const std::int64_t first = fromCivil({100, 1, 1, 0, 0, 0}).seconds;
        const std::int64_t last = fromCivil({9999, 12, 31, 23, 59, 59}).seconds;
        std::uint64_t raw;
        std::memcpy(&raw, data, sizeof raw);
        const auto span = static_cast<std::uint64_t>(last - first) + 1;
        checkRoundTrip(DateTime{first + static_cast<std::int64_t>(raw % span)});
    }
    return 0;
}

#include "clock/time_page.h"

#include <algorithm>
#include <string>

#include "base/german_format.h"

namespace {

constexpr std::size_t kFieldLength = 22;
// From the field's first character to the zone word's.
constexpr std::size_t kFieldLead = 23;

// In Latin-1 only the ASCII letters m, e, s, z have M, E, S, Z as upper case, so upper-casing
// the ASCII letters finds the zone words exactly where a full upper-casing would, and each
// character stays one character, keeping positions.
std::string upperCased(std::string_view page) {
    std::string copy(page);
    for (char& c : copy) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    }
    return copy;
}

} // namespace

std::size_t findZoneAnchor(std::string_view page) {
    const std::string upper = upperCased(page);
    for (const char* zone : {"MEZ", "MESZ"}) {
        const std::size_t at = upper.find(zone);
        if (at != std::string::npos)
            return at + 1;
    }
    return 0;
}

std::optional<bool> isSummerTimeWord(std::string_view page) {
    page = page.substr(0, std::min<std::size_t>(page.size(), kTimePageChunkSize));
    const std::size_t anchor = findZoneAnchor(page);
    if (anchor == 0)
        return std::nullopt;
    return upperCased(page.substr(anchor - 1, 4)) == "MESZ";
}

std::optional<DateTime> readServerTime(std::string_view page) {
    // However the text was fetched, a time that stands beyond the first chunk is never read.
    page = page.substr(0, std::min<std::size_t>(page.size(), kTimePageChunkSize));
    const std::size_t anchor = findZoneAnchor(page);
    if (anchor <= kFieldLead)
        return std::nullopt;
    return parseGermanDateTime(page.substr(anchor - 1 - kFieldLead, kFieldLength),
                               TimePart::Required);
}

std::int64_t correctionSeconds(DateTime responseTime, DateTime now) {
    return timeOfDay(now) - timeOfDay(responseTime);
}

CivilTime correctedSetting(DateTime serverTime, std::int64_t correction,
                           std::optional<bool> summerTime) {
    CivilTime setting = toCivil(DateTime{serverTime.seconds + correction});
    const CivilTime date = toCivil(serverTime);
    setting.year = date.year, setting.month = date.month, setting.day = date.day;
    setting.summerTime = summerTime;
    return setting;
}

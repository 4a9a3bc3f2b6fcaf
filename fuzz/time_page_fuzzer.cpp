// The auction server's time page: any bytes the server or a proxy in between may send.
//
// Input: the page; its last bytes also give the seconds of the correction.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "clock/logic/time_page.h"
#include "platform/logic/date_time.h"

namespace {

void check(bool ok) {
    if (!ok)
        std::abort();
}

std::string upper(std::string_view text) {
    std::string copy(text);
    for (char& c : copy)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return copy;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const std::int64_t correction =
        input.ConsumeIntegralInRange<std::int64_t>(-2 * SecondsPerDay, 2 * SecondsPerDay);
    std::string page = input.ConsumeRemainingBytesAsString();
    if (page.size() > TimePageChunkSize)
        page.resize(TimePageChunkSize); // all the program ever reads

    // The anchor is the first MEZ; MESZ counts only on a page without any MEZ.
    const std::string upperPage = upper(page);
    const std::size_t anchor = findZoneAnchor(page);
    const bool hasMez = upperPage.find("MEZ") != std::string::npos;
    const bool hasMesz = upperPage.find("MESZ") != std::string::npos;
    check((anchor != 0) == (hasMez || hasMesz));
    if (anchor != 0) {
        check(anchor <= page.size());
        const std::string_view zone = std::string_view(upperPage).substr(anchor - 1);
        check(hasMez ? zone.starts_with("MEZ") && upperPage.find("MEZ") == anchor - 1
                     : zone.starts_with("MESZ"));
    }

    const auto server = readServerTime(page);
    if (!server)
        return 0;
    check(anchor > 23);
    check(isValidCivil(toCivil(*server)));

    // The character just before the zone word is never read.
    std::string skipped = page;
    skipped[anchor - 2] = skipped[anchor - 2] == '#' ? '~' : '#';
    check(readServerTime(skipped) == server);
    // Text in front moves the field but does not change it.
    check(readServerTime(std::string(40, ' ') + page) == server);

    // The clock is set to the server's date and its time of day moved on by the correction,
    // modulo a day.
    const ClockSetting set = correctedSetting(*server, correction);
    const CivilTime date = toCivil(*server);
    check(set.year == date.year && set.month == date.month && set.day == date.day);
    check(set.timeOfDay >= 0 && set.timeOfDay < SecondsPerDay);
    check(correctedSetting(*server, correction + SecondsPerDay) == set);
    check(correctedSetting(*server, 0).timeOfDay == timeOfDay(*server));

    const DateTime now{server->seconds + correction};
    const std::int64_t passed = correctionSeconds(*server, now);
    check(passed > -SecondsPerDay && passed < SecondsPerDay);
    check(correctedSetting(*server, passed) == set);
    return 0;
}

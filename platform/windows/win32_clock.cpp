#include "platform/windows/win32_clock.h"

#include <algorithm>
#include <charconv>

#include "platform/windows/own_program.h"
#include "platform/windows/run_elevated.h"
#include "platform/windows/wide_text.h"

namespace {

const std::string kElevatedSetOption = "-setclock";

const wchar_t kInstallAdvice[] =
    L"Die Systemuhr wurde nicht gestellt.\r\n\r\n"
    L"Dazu braucht Zeitfang Administratorrechte, und um die bittet es nur, wenn es in einem "
    L"geschützten Ordner liegt. Dieses Zeitfang liegt in einem Ordner, in dem Benutzer Dateien "
    L"ändern können.\r\n\r\n"
    L"Bitte installieren Sie Zeitfang mit seinem Setup-Programm und starten Sie es über das "
    L"Startmenü.";

std::int64_t ticks(const SYSTEMTIME& t) {
    FILETIME f{};
    SystemTimeToFileTime(&t, &f);
    return static_cast<std::int64_t>(f.dwHighDateTime) << 32 | f.dwLowDateTime;
}

SYSTEMTIME fromTicks(std::int64_t ticks) {
    const FILETIME f{static_cast<DWORD>(ticks), static_cast<DWORD>(ticks >> 32)};
    SYSTEMTIME t{};
    FileTimeToSystemTime(&f, &t);
    return t;
}

// How far a local time is ahead of UTC, by the daylight-saving rule of its own moment.
std::int64_t utcOffset(const SYSTEMTIME& local) {
    SYSTEMTIME utc{};
    TzSpecificLocalTimeToSystemTime(nullptr, &local, &utc);
    return ticks(local) - ticks(utc);
}

std::int64_t performanceCounter() {
    LARGE_INTEGER counter{};
    QueryPerformanceCounter(&counter);
    return counter.QuadPart;
}

SYSTEMTIME systemTime(const CivilTime& c) {
    SYSTEMTIME t{};
    t.wYear = static_cast<WORD>(c.year);
    t.wMonth = static_cast<WORD>(c.month);
    t.wDay = static_cast<WORD>(c.day);
    t.wHour = static_cast<WORD>(c.hour);
    t.wMinute = static_cast<WORD>(c.minute);
    t.wSecond = static_cast<WORD>(c.second);
    return t;
}

// ERROR_SUCCESS once the clock shows `t`, else why not.
DWORD setLocal(const SYSTEMTIME& now, const SYSTEMTIME& t) {
    DWORD error = SetLocalTime(&t) ? ERROR_SUCCESS : GetLastError();
    // Windows converts the time given with the daylight-saving state of the present moment, so
    // across a change the first call sets the clock an hour off and moves that state, and a
    // second converts right.
    if (utcOffset(now) != utcOffset(t))
        error = SetLocalTime(&t) ? ERROR_SUCCESS : GetLastError();
    return error;
}

// The time of day of `target`, then its date; ERROR_SUCCESS when both were set, else why the
// first refused step was refused.
DWORD setTimeOfDayThenDate(const SYSTEMTIME& target) {
    SYSTEMTIME now;
    GetLocalTime(&now);
    SYSTEMTIME t = now;
    t.wHour = target.wHour, t.wMinute = target.wMinute, t.wSecond = target.wSecond;
    t.wMilliseconds = target.wMilliseconds;
    const DWORD timeOfDay = setLocal(now, t);
    GetLocalTime(&now);
    t = now;
    t.wYear = target.wYear, t.wMonth = target.wMonth, t.wDay = target.wDay;
    const DWORD date = setLocal(now, t);
    return timeOfDay != ERROR_SUCCESS ? timeOfDay : date;
}

std::string digits(std::int64_t value, std::size_t width) {
    const std::string text = std::to_string(value);
    return std::string(width - std::min(width, text.size()), '0') + text;
}

// The whole text as a number of digits only.
std::optional<std::int64_t> number(std::string_view text) {
    std::int64_t value = 0;
    if (text.empty() ||
        !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

} // namespace

DateTime Win32Clock::now() {
    SYSTEMTIME t;
    GetLocalTime(&t);
    return fromCivil({t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond, std::nullopt});
}

void Win32Clock::set(const CivilTime& target) {
    if (result() == SetResult::Pending)
        return;
    m_elevated.reset();
    const std::int64_t counter = performanceCounter(); // the moment the target stands for
    const DWORD error = setTimeOfDayThenDate(systemTime(target));
    m_result = error == ERROR_SUCCESS ? SetResult::Set : SetResult::Refused;
    if (error != ERROR_PRIVILEGE_NOT_HELD || !m_owner)
        return;
    const std::wstring program = ownProgramPath();
    if (userCanChange(program)) {
        MessageBoxW(m_owner, kInstallAdvice, L"Zeitfang", MB_OK | MB_ICONINFORMATION);
        return;
    }
    m_elevated = startElevated(m_owner, program, elevatedSetArguments(target, counter));
}

SystemClock::SetResult Win32Clock::result() const {
    if (!m_elevated)
        return m_result;
    if (!m_elevated->ended)
        return SetResult::Pending;
    return m_elevated->exitCode == 0 ? SetResult::Set : SetResult::Refused;
}

std::wstring elevatedSetArguments(const CivilTime& t, std::int64_t counter) {
    return widen(kElevatedSetOption + " " + digits(t.year, 4) + digits(t.month, 2) +
                 digits(t.day, 2) + digits(t.hour, 2) + digits(t.minute, 2) + digits(t.second, 2) +
                 " " + std::to_string(counter));
}

std::optional<ElevatedSet> readElevatedSet(const std::vector<std::string>& arguments) {
    if (arguments.size() != 3 || arguments[0] != kElevatedSetOption || arguments[1].size() != 14)
        return std::nullopt;
    const std::string_view stamp = arguments[1];
    const auto part = [stamp](std::size_t at, std::size_t length) {
        return number(stamp.substr(at, length)).value_or(-1);
    };
    const CivilTime target{static_cast<int>(part(0, 4)),
                           static_cast<int>(part(4, 2)),
                           static_cast<int>(part(6, 2)),
                           static_cast<int>(part(8, 2)),
                           static_cast<int>(part(10, 2)),
                           static_cast<int>(part(12, 2)),
                           std::nullopt};
    const std::optional<std::int64_t> counter = number(arguments[2]);
    if (!isValidCivil(target) || !counter)
        return std::nullopt;
    return ElevatedSet{systemTime(target), *counter};
}

int runElevatedSet(const ElevatedSet& task) {
    LARGE_INTEGER frequency{};
    QueryPerformanceFrequency(&frequency);
    const std::int64_t perSecond = std::max<std::int64_t>(1, frequency.QuadPart);
    const std::int64_t elapsed = std::max<std::int64_t>(0, performanceCounter() - task.counter);
    // In 100-nanosecond ticks; whole seconds apart from the rest, so no wait can overflow.
    const std::int64_t moved =
        elapsed / perSecond * 10'000'000 + elapsed % perSecond * 10'000'000 / perSecond;
    return setTimeOfDayThenDate(fromTicks(ticks(task.target) + moved)) == ERROR_SUCCESS ? 0 : 1;
}

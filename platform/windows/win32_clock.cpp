#include "platform/windows/win32_clock.h"

#include <algorithm>
#include <charconv>

#include "platform/windows/own_program.h"
#include "platform/windows/run_elevated.h"
#include "platform/windows/wide_text.h"
#include "platform/windows/win_handles.h"

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

constexpr std::int64_t kTicksPerMinute = 600'000'000;

// The moment a local wall time stands for, in UTC ticks. In the repeated hour of the autumn
// change `summerTime` says which of its two instances is meant; otherwise Windows decides.
std::int64_t utcTicks(const CivilTime& local) {
    const SYSTEMTIME wall = systemTime(local);
    SYSTEMTIME utc{};
    TzSpecificLocalTimeToSystemTime(nullptr, &wall, &utc);
    TIME_ZONE_INFORMATION zone{};
    if (!local.summerTime || GetTimeZoneInformation(&zone) == TIME_ZONE_ID_INVALID)
        return ticks(utc);
    const LONG bias = zone.Bias + (*local.summerTime ? zone.DaylightBias : zone.StandardBias);
    const std::int64_t meant = ticks(wall) + bias * kTicksPerMinute;
    SYSTEMTIME back{};
    // Only a wall time that this instance really shows there is taken.
    const SYSTEMTIME meantUtc = fromTicks(meant);
    if (SystemTimeToTzSpecificLocalTime(nullptr, &meantUtc, &back) && ticks(back) == ticks(wall))
        return meant;
    return ticks(utc);
}

// SetSystemTime wants the privilege enabled in the token; an account without it stays refused.
void enableSystemTimePrivilege() {
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token))
        return;
    const UniqueKernelHandle owned(token);
    TOKEN_PRIVILEGES privileges{};
    privileges.PrivilegeCount = 1;
    privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
    if (LookupPrivilegeValueW(nullptr, SE_SYSTEMTIME_NAME, &privileges.Privileges[0].Luid))
        AdjustTokenPrivileges(token, FALSE, &privileges, 0, nullptr, nullptr);
}

// Date and time of day in one call, so that no midnight can fall between them: ERROR_SUCCESS
// once the clock shows `utc`, else why not.
DWORD setUtc(std::int64_t utc) {
    enableSystemTimePrivilege();
    const SYSTEMTIME t = fromTicks(utc);
    return SetSystemTime(&t) ? ERROR_SUCCESS : GetLastError();
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

Win32Clock::Win32Clock() = default;
Win32Clock::~Win32Clock() = default;

void Win32Clock::set(const CivilTime& target) {
    if (result() == SetResult::Pending)
        return;
    m_elevated.reset();
    const std::int64_t counter = performanceCounter(); // the moment the target stands for
    const std::int64_t utc = utcTicks(target);
    m_error = setUtc(utc);
    if (m_error != ERROR_PRIVILEGE_NOT_HELD || !m_owner)
        return;
    const std::wstring program = ownProgramPath();
    if (userCanChange(program)) {
        MessageBoxW(m_owner, kInstallAdvice, L"Zeitfang", MB_OK | MB_ICONINFORMATION);
        return;
    }
    m_elevated =
        std::make_unique<ElevatedRun>(m_owner, program, elevatedSetArguments(utc, counter));
}

SystemClock::SetResult Win32Clock::result() const {
    if (!m_elevated)
        return m_error == ERROR_SUCCESS ? SetResult::Set
               : refusedForRights()     ? SetResult::NotElevated
                                        : SetResult::Refused;
    if (!m_elevated->ended())
        return SetResult::Pending;
    return m_elevated->exitCode() == 0 ? SetResult::Set : SetResult::Refused;
}

bool Win32Clock::refusedForRights() const {
    return !m_elevated && m_error == ERROR_PRIVILEGE_NOT_HELD;
}

std::wstring elevatedSetArguments(std::int64_t utc, std::int64_t counter) {
    const SYSTEMTIME t = fromTicks(utc);
    return widen(kElevatedSetOption + " " + digits(t.wYear, 4) + digits(t.wMonth, 2) +
                 digits(t.wDay, 2) + digits(t.wHour, 2) + digits(t.wMinute, 2) +
                 digits(t.wSecond, 2) + "Z " + std::to_string(counter));
}

std::optional<ElevatedSet> readElevatedSet(const std::vector<std::string>& arguments) {
    if (arguments.size() != 3 || arguments[0] != kElevatedSetOption || arguments[1].size() != 15 ||
        arguments[1].back() != 'Z')
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
    return ElevatedSet{ticks(systemTime(target)), *counter};
}

int runElevatedSet(const ElevatedSet& task) {
    LARGE_INTEGER frequency{};
    QueryPerformanceFrequency(&frequency);
    const std::int64_t perSecond = std::max<std::int64_t>(1, frequency.QuadPart);
    const std::int64_t elapsed = std::max<std::int64_t>(0, performanceCounter() - task.counter);
    // In 100-nanosecond ticks; whole seconds apart from the rest, so no wait can overflow.
    const std::int64_t moved =
        elapsed / perSecond * 10'000'000 + elapsed % perSecond * 10'000'000 / perSecond;
    return setUtc(task.utc + moved) == ERROR_SUCCESS ? 0 : 1;
}

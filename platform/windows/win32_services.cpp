#include "platform/windows/win32_services.h"

#include <shellapi.h>

#include <utility>

#include "platform/windows/run_elevated.h"
#include "platform/windows/wide_text.h"

namespace {

std::int64_t ticks(const SYSTEMTIME& t) {
    FILETIME f{};
    SystemTimeToFileTime(&t, &f);
    return static_cast<std::int64_t>(f.dwHighDateTime) << 32 | f.dwLowDateTime;
}

// How far a local time is ahead of UTC, by the daylight-saving rule of its own moment.
std::int64_t utcOffset(const SYSTEMTIME& local) {
    SYSTEMTIME utc{};
    TzSpecificLocalTimeToSystemTime(nullptr, &local, &utc);
    return ticks(local) - ticks(utc);
}

} // namespace

void Win32Attention::FlashWindow(std::uint32_t window) {
    if (window)
        ::FlashWindow(windowFromId(window), TRUE);
}

void Win32Speaker::Beep(int frequencyHz, int durationMs) {
    if (durationMs > 0)
        ::Beep(static_cast<DWORD>(frequencyHz), static_cast<DWORD>(durationMs));
}

void Win32Shell::open(const std::string& url) {
    ShellExecuteW(m_owner, L"open", widen(url).c_str(), nullptr, nullptr, SW_HIDE);
}

std::string Win32Shell::programFolder() const {
    std::wstring path(MAX_PATH, L'\0');
    DWORD length = 0;
    while ((length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()))) ==
               path.size() &&
           path.size() < 32768)
        path.resize(path.size() * 2);
    path.resize(length);
    return narrow(path.substr(0, path.find_last_of(L"\\/") + 1));
}

bool Win32Shell::fileExists(const std::string& path) const {
    return GetFileAttributesW(widen(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

void Win32Shell::openFile(const std::string& path) {
    ShellExecuteW(m_owner, L"open", widen(path).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

DateTime Win32Clock::now() {
    SYSTEMTIME t;
    GetLocalTime(&t);
    return fromCivil({t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond});
}

void Win32Clock::setTimeOfDay(std::int64_t secondsOfDay) {
    if (secondsOfDay < 0 || secondsOfDay >= kSecondsPerDay)
        return;
    SYSTEMTIME now;
    GetLocalTime(&now);
    SYSTEMTIME t = now;
    t.wHour = static_cast<WORD>(secondsOfDay / 3600);
    t.wMinute = static_cast<WORD>(secondsOfDay / 60 % 60);
    t.wSecond = static_cast<WORD>(secondsOfDay % 60);
    t.wMilliseconds = 0;
    m_copyAsked = set(now, t);
}

void Win32Clock::setDate(int year, int month, int day) {
    // One question per synchronisation.
    if (std::exchange(m_copyAsked, false))
        return;
    // The years SYSTEMTIME can hold.
    if (!isValidCivil({year, month, day, 0, 0, 0}) || year < 1601 || year > 30827)
        return;
    SYSTEMTIME now;
    GetLocalTime(&now);
    SYSTEMTIME t = now;
    t.wYear = static_cast<WORD>(year);
    t.wMonth = static_cast<WORD>(month);
    t.wDay = static_cast<WORD>(day);
    set(now, t);
}

bool Win32Clock::set(const SYSTEMTIME& now, const SYSTEMTIME& t) {
    // Windows converts the time given with the daylight-saving state of the present moment, so
    // across a change the first call sets the clock an hour off and moves that state, and a
    // second converts right. A refused first call is refused again, at no cost.
    bool done = SetLocalTime(&t);
    if (utcOffset(now) != utcOffset(t))
        done = SetLocalTime(&t);
    if (done || GetLastError() != ERROR_PRIVILEGE_NOT_HELD || !m_window)
        return false;
    runElevated(m_owner, L"-time", *m_window);
    return true;
}

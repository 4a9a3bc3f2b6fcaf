#pragma once

#include <windows.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/system_clock.h"

class ElevatedRun;

// The clock through SetSystemTime: the local target converted to UTC, date and time of day in
// one call. That needs an elevated administrator. Refused for lack of that in the window, an
// elevated copy of the program is asked (Windows shows the UAC dialog) to set what the window
// has read and corrected, moved on by the time the dialog took; the set is pending until the
// copy has ended, and its exit status is the result. Only a copy that the user cannot have
// changed is elevated; for any other the user is told to install the program. Without a window
// ("-time") the clock never asks.
class Win32Clock : public SystemClock {
  public:
    Win32Clock();
    ~Win32Clock() override;
    Win32Clock(const Win32Clock&) = delete;
    Win32Clock& operator=(const Win32Clock&) = delete;

    // The window the UAC dialog and the advice belong to.
    void setOwner(HWND owner) { m_owner = owner; }

    DateTime now() override;
    void set(const CivilTime& target) override;
    SetResult result() const override;
    // The last set was refused because this process is not elevated, and nobody else was asked.
    bool refusedForRights() const;

  private:
    HWND m_owner = nullptr;
    std::optional<DWORD> m_error; // of the last set; none before the first
    std::unique_ptr<ElevatedRun> m_elevated;
};

// The elevated copy's task: a UTC moment, in FILETIME ticks, as it stood when the window's
// performance counter read `counter`.
struct ElevatedSet {
    std::int64_t utc = 0;
    std::int64_t counter = 0;
};

// The command line that hands the UTC moment `utc`, standing at `counter`, to the elevated copy.
std::wstring elevatedSetArguments(std::int64_t utc, std::int64_t counter);
// That command line read back; nothing for any other, which then starts the window.
std::optional<ElevatedSet> readElevatedSet(const std::vector<std::string>& arguments);
// Sets the clock to the moment moved on by the time since the counter's reading. The exit
// status: 0 when the clock was set, 1 otherwise.
int runElevatedSet(const ElevatedSet& task);

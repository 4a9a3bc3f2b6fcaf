#pragma once

#include <windows.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/system_clock.h"

struct ElevatedRun;

// The clock through SetLocalTime, the time of day and then the date. That needs an elevated
// administrator. Refused for lack of that in the window, an elevated copy of the program is
// asked (Windows shows the UAC dialog) to set what the window has read and corrected, moved on
// by the time the dialog took; the set is pending until the copy has ended, and its exit status
// is the result. Only a copy that the user cannot have changed is elevated; for any other the
// user is told to install the program. Without a window ("-time") the clock never asks.
class Win32Clock : public SystemClock {
  public:
    // The window the UAC dialog and the advice belong to.
    void setOwner(HWND owner) { m_owner = owner; }

    DateTime now() override;
    void set(const CivilTime& target) override;
    SetResult result() const override;

  private:
    HWND m_owner = nullptr;
    SetResult m_result = SetResult::Refused;
    std::shared_ptr<const ElevatedRun> m_elevated;
};

// The elevated copy's task: a local date and time as it stood when the window's performance
// counter read `counter`.
struct ElevatedSet {
    SYSTEMTIME target{};
    std::int64_t counter = 0;
};

// The command line that hands `target`, standing at `counter`, to the elevated copy.
std::wstring elevatedSetArguments(const CivilTime& target, std::int64_t counter);
// That command line read back; nothing for any other, which then starts the window.
std::optional<ElevatedSet> readElevatedSet(const std::vector<std::string>& arguments);
// Sets the clock to the target moved on by the time since the counter's reading. The exit
// status: 0 when the clock was set, 1 otherwise.
int runElevatedSet(const ElevatedSet& task);

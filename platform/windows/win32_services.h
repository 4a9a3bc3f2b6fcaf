#pragma once

#include <windows.h>

#include "platform/event_wait.h"
#include "platform/shell.h"
#include "platform/speaker.h"
#include "platform/system_clock.h"
#include "platform/window_attention.h"

// A window id as the engine holds it: window handles keep to 32 bits, sign-extended in 64-bit
// programs as LongToHandle does.
inline HWND windowFromId(std::uint32_t id) {
    return reinterpret_cast<HWND>(static_cast<std::intptr_t>(static_cast<std::int32_t>(id)));
}

class Win32Attention : public WindowAttention {
  public:
    void FlashWindow(std::uint32_t window) override;
};

// The PC's tone; Beep returns when the tone has ended.
class Win32Speaker : public Speaker {
  public:
    void Beep(int frequencyHz, int durationMs) override;
};

class Win32Shell : public Shell {
  public:
    void setOwner(HWND owner) { m_owner = owner; }
    void open(const std::string& url) override;
    std::string programFolder() const override;
    bool fileExists(const std::string& path) const override;
    void openFile(const std::string& path) override;

  private:
    HWND m_owner = nullptr;
};

// Setting the clock needs an elevated administrator. Refused for lack of that, the window asks
// for an elevated copy of the program ("-time", after the UAC dialog), which reads the page
// afresh and sets time and date itself, and the window is served meanwhile. The "-time" mode
// never asks: it serves scheduled tasks set up to run elevated. Refusals are ignored.
class Win32Clock : public SystemClock {
  public:
    Win32Clock() = default; // never asks
    explicit Win32Clock(EventWait& window) : m_window(&window) {}
    // The window the UAC dialog belongs to.
    void setOwner(HWND owner) { m_owner = owner; }

    DateTime now() override;
    void setTimeOfDay(std::int64_t secondsOfDay) override;
    void setDate(int year, int month, int day) override;

  private:
    // True when the elevated copy was asked.
    bool set(const SYSTEMTIME& now, const SYSTEMTIME& t);

    EventWait* m_window = nullptr;
    HWND m_owner = nullptr;
    bool m_copyAsked = false; // by the time of day: the date is the copy's too
};

#pragma once

#include <string>

#include <windows.h>

#include "platform/windows/com_apartment.h"

// Tells a screen reader a moment, once, whichever window is active: a UI Automation notification
// where Windows has them (Windows 10 1709 on), otherwise the change of a live region, an
// invisible child of the window whose name is the moment. uiautomationcore.dll is loaded at the
// first moment, not at the start.
class Announcer {
  public:
    Announcer(HWND window, ComApartment& apartment) : m_window(window), m_apartment(apartment) {}
    Announcer(const Announcer&) = delete;
    Announcer& operator=(const Announcer&) = delete;
    ~Announcer() = default;

    void announce(const std::wstring& text);

  private:
    bool notify(const std::wstring& text);
    void changeLiveRegion(const std::wstring& text);

    HWND m_window;
    ComApartment& m_apartment;
    HWND m_liveRegion = nullptr; // a child: it goes with the window
};

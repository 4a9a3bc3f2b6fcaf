#pragma once

#include <string>

#include <windows.h>

#include <oleacc.h>

#include "platform/windows/com_apartment.h"

// What a screen reader is told of a control beyond what Windows' standard object for its window
// says.
struct AccessibleFacts {
    std::wstring name = {};          // empty: the window's text
    std::wstring description = {};   // the tool tip
    LONG role = 0;                   // 0: the standard object's
    std::wstring defaultAction = {}; // empty: the standard object's; else it posts BM_CLICK
    bool legible = true;             // false: invisible, and nameless
};

// The answer to WM_GETOBJECT for the window's client area (OBJID_CLIENT): its standard accessible
// object with the facts put right, handed over through COM in the window thread's apartment.
LRESULT accessibleClient(ComApartment& apartment, HWND window, WPARAM wParam,
                         const AccessibleFacts& facts);

// Sets a property of the window's client area in Windows' annotation service, which UI
// Automation's proxies for standard controls read rather than WM_GETOBJECT's answer; with no
// value, forgets it, as is due before the window goes.
void annotate(ComApartment& apartment, HWND window, const MSAAPROPID& property,
              const VARIANT* value);

#pragma once

#include <windows.h>

#include "platform/windows/win_handles.h"

// The window's dots per inch: its monitor's on Windows 10, the system's before.
UINT windowDpi(HWND window);
// The window rectangle around a client area, for the given dpi.
SIZE frameSize(int clientWidth, int clientHeight, DWORD style, DWORD exStyle, UINT dpi);
// A regular-weight font of the given size in points.
UniqueFont createFont(const wchar_t* family, double points, bool underline, UINT dpi);

// Twips (1/1440 inch) and pixels at one dpi.
struct Twips {
    UINT dpi = 96;
    double perPixel() const { return 1440.0 / dpi; }
    int toPixels(double twips) const;
    double fromPixels(int pixels) const { return pixels * perPixel(); }
};

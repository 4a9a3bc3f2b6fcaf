#pragma once

#include <windows.h>

#include "platform/windows/unique_handle.h"

namespace release {
inline void gdiObject(HGDIOBJ h) {
    DeleteObject(h);
}
inline void memoryDC(HDC h) {
    DeleteDC(h);
}
inline void key(HKEY h) {
    RegCloseKey(h);
}
inline void window(HWND h) {
    DestroyWindow(h);
}
inline void kernelObject(HANDLE h) {
    CloseHandle(h);
}
} // namespace release

using UniqueFont = UniqueHandle<HFONT, release::gdiObject>;
using UniqueBrush = UniqueHandle<HBRUSH, release::gdiObject>;
using UniqueBitmap = UniqueHandle<HBITMAP, release::gdiObject>;
using UniqueDC = UniqueHandle<HDC, release::memoryDC>;
using UniqueKey = UniqueHandle<HKEY, release::key>;
using UniqueWindow = UniqueHandle<HWND, release::window>;
using UniqueKernelHandle = UniqueHandle<HANDLE, release::kernelObject>;

// Puts an object into a device context for one scope and the old one back afterwards.
class SelectedObject {
  public:
    SelectedObject(HDC dc, HGDIOBJ object) : m_dc(dc), m_old(SelectObject(dc, object)) {}
    ~SelectedObject() { SelectObject(m_dc, m_old); }
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;

  private:
    HDC m_dc;
    HGDIOBJ m_old;
};

// A window's device context for one scope.
class WindowDC {
  public:
    explicit WindowDC(HWND window) : m_window(window), m_dc(GetDC(window)) {}
    ~WindowDC() { ReleaseDC(m_window, m_dc); }
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;
    HDC get() const { return m_dc; }

  private:
    HWND m_window;
    HDC m_dc;
};

// One WM_PAINT's drawing: BeginPaint to EndPaint.
class PaintScope {
  public:
    explicit PaintScope(HWND window) : m_window(window) { BeginPaint(window, &m_paint); }
    ~PaintScope() { EndPaint(m_window, &m_paint); }
    PaintScope(const PaintScope&) = delete;
    PaintScope& operator=(const PaintScope&) = delete;
    HDC get() const { return m_paint.hdc; }

  private:
    HWND m_window;
    PAINTSTRUCT m_paint{};
};

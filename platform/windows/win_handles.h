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
} // namespace release

using UniqueFont = UniqueHandle<HFONT, release::gdiObject>;
using UniqueBrush = UniqueHandle<HBRUSH, release::gdiObject>;
using UniqueBitmap = UniqueHandle<HBITMAP, release::gdiObject>;
using UniqueDC = UniqueHandle<HDC, release::memoryDC>;
using UniqueKey = UniqueHandle<HKEY, release::key>;
using UniqueWindow = UniqueHandle<HWND, release::window>;

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

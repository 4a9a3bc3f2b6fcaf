#pragma once

#include <windows.h>

#include "base/control_design.h"

// The window styles of a designed frame.
struct WindowStyle {
    DWORD style = 0, exStyle = 0;
};
inline WindowStyle windowStyle(Border border) {
    const Frame frame = frameOf(border);
    if (frame.dialogFrame)
        return {WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN,
                WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT};
    const DWORD minimize = frame.minimizeButton ? WS_MINIMIZEBOX : 0;
    return {WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN | minimize, 0};
}

// Sends a window's messages to the C++ object that owns it. The class declares
// `LRESULT handle(UINT, WPARAM, LPARAM)` and befriends windowObjectProc<itself>.
template <class T>
LRESULT CALLBACK windowObjectProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<T*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    return self ? self->handle(message, wParam, lParam)
                : DefWindowProcW(window, message, wParam, lParam);
}

// Messages before this call (those of the creation) go to the class's default procedure.
template <class T> void attachWindowObject(HWND window, T* object) {
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(object));
    SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&windowObjectProc<T>));
}

// Registers a window class of the program's own: the arrow cursor, the default procedure until
// attachWindowObject, and the given icon resource (0: none). A second call changes nothing.
inline void registerWindowClass(const wchar_t* name, int icon = 0) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.hInstance = GetModuleHandleW(nullptr);
    WNDCLASSEXW known{};
    known.cbSize = sizeof(known);
    if (GetClassInfoExW(wc.hInstance, name, &known)) // each label asks: one look, no registration
        return;
    wc.lpfnWndProc = DefWindowProcW;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    if (icon) {
        wc.hIcon = LoadIconW(wc.hInstance, MAKEINTRESOURCEW(icon));
        wc.hIconSm = static_cast<HICON>(LoadImageW(wc.hInstance, MAKEINTRESOURCEW(icon), IMAGE_ICON,
                                                   GetSystemMetrics(SM_CXSMICON),
                                                   GetSystemMetrics(SM_CYSMICON), LR_SHARED));
    }
    wc.lpszClassName = name;
    RegisterClassExW(&wc);
}

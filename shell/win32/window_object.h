#pragma once

#include <windows.h>

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

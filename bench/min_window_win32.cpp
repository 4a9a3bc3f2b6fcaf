// The reference for the Windows start-up benchmark: the smallest Win32 window of Zeitfang's size
// whose two labels show their text in the first picture and are rewritten on a 200 ms timer, as
// the countdown does in an auction's last hour. It links what every window needs and nothing
// else, as the smallest such program would.
#include <windows.h>

#include <string>

#include "base/startup_marks.h"

namespace {
// The labels' texts for the timer's tick-th round.
void rewrite(HWND window, unsigned tick) {
    SetDlgItemTextW(window, 1, (L"Artikel " + std::to_wstring(tick % 7)).c_str());
    SetDlgItemTextW(
        window, 2,
        (std::to_wstring(tick / 300) + L" Min\r\n" + std::to_wstring(tick / 5 % 60) + L" Sek")
            .c_str());
}

LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_TIMER) {
        rewrite(window, GetTickCount() / 200);
        return 0;
    }
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}
} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
    markStartup("main");
    WNDCLASSW type{};
    type.lpfnWndProc = windowProc;
    type.hInstance = instance;
    type.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    type.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    type.lpszClassName = L"Referenz";
    RegisterClassW(&type);
    RECT size{0, 0, 280, 183};
    AdjustWindowRect(&size, WS_OVERLAPPEDWINDOW, FALSE);
    HWND window = CreateWindowExW(0, L"Referenz", L"Referenz", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                                  CW_USEDEFAULT, size.right - size.left, size.bottom - size.top,
                                  nullptr, nullptr, instance, nullptr);
    for (int id : {1, 2})
        CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE, 10, id * 30 - 20, 200, id * 20,
                        window, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance,
                        nullptr);
    rewrite(window, 0);
    SetTimer(window, 1, 200, nullptr);
    markStartup("window");
    ShowWindow(window, show);
    markStartup("shown");
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0)
        DispatchMessageW(&msg);
    return 0;
}

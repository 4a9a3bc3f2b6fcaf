// For the tests under Wine: "controls CLASS" prints the top-level window of that class and each of
// its child controls as id, class, screen rectangle, check state, visibility and text
// (WM_GETTEXT), one per line. "controls --window TITLE" shows a window with that title, standing
// in for a browser; "controls --close CLASS" asks the window of that class to close.
#include <windows.h>

#include <string>

namespace {
std::string utf8(const std::wstring& text) {
    std::string out(text.size() * 3, '\0');
    out.resize(static_cast<std::size_t>(WideCharToMultiByte(
        CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), out.size(), 0, 0)));
    std::string escaped;
    for (char c : out)
        escaped += c == '\r' ? "\\r" : c == '\n' ? "\\n" : std::string(1, c);
    return escaped;
}

BOOL CALLBACK print(HWND w, LPARAM) {
    wchar_t cls[64] = L"";
    GetClassNameW(w, cls, 64);
    std::wstring text(SendMessageW(w, WM_GETTEXTLENGTH, 0, 0) + 1, L'\0');
    text.resize(SendMessageW(w, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data())));
    RECT r;
    GetWindowRect(w, &r);
    const LRESULT check = lstrcmpiW(cls, L"Button") ? -1 : SendMessageW(w, BM_GETCHECK, 0, 0);
    const char* shown = IsWindowVisible(w) ? "shown" : "hidden";
    const std::string line = std::to_string(GetDlgCtrlID(w)) + "\t" + utf8(cls) + "\t" +
                             std::to_string(r.left) + "," + std::to_string(r.top) + "," +
                             std::to_string(r.right) + "," + std::to_string(r.bottom) + "\t" +
                             std::to_string(check) + "\t" + shown + "\t" + utf8(text) + "\n";
    DWORD written;
    WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), line.data(), line.size(), &written, nullptr);
    return TRUE;
}
} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc == 3 && std::wstring(argv[1]) == L"--window") {
        CreateWindowExW(0, L"STATIC", argv[2], WS_OVERLAPPEDWINDOW | WS_VISIBLE, 600, 400, 400, 200,
                        nullptr, nullptr, nullptr, nullptr);
        MSG msg;
        while (GetMessageW(&msg, nullptr, 0, 0) > 0)
            DispatchMessageW(&msg);
        return 0;
    }
    if (argc == 3 && std::wstring(argv[1]) == L"--close")
        return PostMessageW(FindWindowW(argv[2], nullptr), WM_CLOSE, 0, 0) ? 0 : 1;
    HWND top = argc == 2 ? FindWindowW(argv[1], nullptr) : nullptr;
    if (!top)
        return 1;
    print(top, 0);
    EnumChildWindows(top, print, 0);
    return 0;
}

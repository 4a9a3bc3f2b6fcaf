// For the tests under Wine: "controls CLASS [ID]" prints the top-level window of that class and
// each of its child controls as id, the centre on screen, check state, text (WM_GETTEXT), and a
// screen reader's role, name and default action, one a line, and runs control ID's default
// action; "--window TITLE" shows a window so titled, as a browser; "--close CLASS" asks that one
// to close; "--listen" prints the name of each live region as it changes.
#include <windows.h>

#include <oleacc.h>
#include <string>

#include "base/startup_marks.h"

namespace {
int run = 0; // the control whose default action runs

std::wstring escaped(const wchar_t* text) { // one control a line: line breaks written as \r, \n
    std::wstring line;
    for (; text && *text; ++text)
        line += *text == L'\r' ? L"\\r" : *text == L'\n' ? L"\\n" : std::wstring(1, *text);
    return line;
}

void say(const std::wstring& line) {
    std::string out(line.size() * 3, '\0');
    DWORD written;
    WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), out.data(),
              WideCharToMultiByte(CP_UTF8, 0, line.data(), static_cast<int>(line.size()),
                                  out.data(), static_cast<int>(out.size()), nullptr, nullptr),
              &written, nullptr);
}

void CALLBACK heard(HWINEVENTHOOK, DWORD, HWND w, LONG object, LONG child, DWORD, DWORD) {
    IAccessible* read = nullptr;
    VARIANT id{};
    BSTR name = nullptr;
    if (SUCCEEDED(AccessibleObjectFromEvent(w, object, child, &read, &id))) {
        read->get_accName(id, &name);
        say(escaped(name) + L"\n");
        SysFreeString(name);
        read->Release();
    }
}

BOOL CALLBACK print(HWND w, LPARAM) {
    std::wstring text(SendMessageW(w, WM_GETTEXTLENGTH, 0, 0) + 1, L'\0');
    text.resize(SendMessageW(w, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data())));
    RECT r;
    GetWindowRect(w, &r);
    const LRESULT check = SendMessageW(w, BM_GETCHECK, 0, 0); // 0 from any other control
    std::wstring line =
        std::to_wstring(GetDlgCtrlID(w)) + L"\t" + std::to_wstring((r.left + r.right) / 2) + L"," +
        std::to_wstring((r.top + r.bottom) / 2) + L"\t" + std::to_wstring(check) + L"\t";
    line += escaped(text.c_str());
    IAccessible* read = nullptr;
    if (SUCCEEDED(AccessibleObjectFromWindow(w, OBJID_CLIENT, __uuidof(IAccessible),
                                             reinterpret_cast<void**>(&read)))) {
        VARIANT self{}, role{};
        self.vt = VT_I4; // CHILDID_SELF
        BSTR name = nullptr, action = nullptr;
        read->get_accRole(self, &role);
        read->get_accName(self, &name);
        read->get_accDefaultAction(self, &action);
        line +=
            L"\t" + std::to_wstring(role.lVal) + L"\t" + escaped(name) + L"\t" + escaped(action);
        if (GetDlgCtrlID(w) == run)
            read->accDoDefaultAction(self);
        SysFreeString(name);
        SysFreeString(action);
        read->Release();
    }
    say(line + L"\n");
    return TRUE;
}
} // namespace

int wmain(int argc, wchar_t** argv) {
    markStartup("main");
    if (argc == 3 && std::wstring(argv[1]) == L"--window") {
        CreateWindowExW(0, L"STATIC", argv[2], WS_OVERLAPPEDWINDOW | WS_VISIBLE, 600, 400, 400, 200,
                        nullptr, nullptr, nullptr, nullptr);
        markStartup("shown");
        MSG msg;
        while (GetMessageW(&msg, nullptr, 0, 0) > 0)
            DispatchMessageW(&msg);
        return 0;
    }
    if (argc == 2 && std::wstring(argv[1]) == L"--listen" && CoInitialize(nullptr) == S_OK &&
        SetWinEventHook(0x8019, 0x8019, nullptr, heard, 0, 0, WINEVENT_OUTOFCONTEXT)) {
        MSG msg; // EVENT_OBJECT_LIVEREGIONCHANGED, delivered through the message loop
        while (GetMessageW(&msg, nullptr, 0, 0) > 0)
            DispatchMessageW(&msg);
        return 0;
    }
    if (argc == 3 && std::wstring(argv[1]) == L"--close")
        return PostMessageW(FindWindowW(argv[2], nullptr), WM_CLOSE, 0, 0) ? 0 : 1;
    HWND top = argc >= 2 ? FindWindowW(argv[1], nullptr) : nullptr;
    if (!top || CoInitialize(nullptr) != S_OK)
        return 1;
    run = argc == 3 ? _wtoi(argv[2]) : 0;
    print(top, 0);
    EnumChildWindows(top, print, 0);
    return 0;
}

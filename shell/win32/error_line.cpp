#include "shell/win32/error_line.h"

#include <windows.h>

#include "platform/windows/wide_text.h"
#include "platform/windows/win_handles.h"

void writeErrorLine(const std::wstring& line) {
    const std::wstring text = line + L"\r\n";
    HANDLE given = GetStdHandle(STD_ERROR_HANDLE);
    UniqueKernelHandle console;
    if ((given == nullptr || given == INVALID_HANDLE_VALUE) &&
        AttachConsole(ATTACH_PARENT_PROCESS)) {
        console = UniqueKernelHandle(CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE,
                                                 FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                                 OPEN_EXISTING, 0, nullptr));
        given = console.get();
    }
    if (given == nullptr || given == INVALID_HANDLE_VALUE)
        return;
    DWORD written = 0;
    DWORD mode = 0;
    if (GetConsoleMode(given, &mode)) { // a console shows the umlauts whatever its code page
        WriteConsoleW(given, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
        return;
    }
    const std::string bytes = narrow(text); // a file or a pipe gets UTF-8
    WriteFile(given, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}

#include <cwchar>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/startup.h"
#include "base/startup_marks.h"
#include "shell/win32/error_line.h"
#include "shell/win32/win32_form1_window.h"

#include <windows.h>

#include <shellapi.h>

#include "platform/windows/message_event_wait.h"
#include "platform/windows/system_function.h"
#include "platform/windows/wide_text.h"
#include "platform/windows/win32_clock.h"
#include "platform/windows/win32_services.h"
#include "platform/windows/windows_platform.h"
#include "platform/windows/wininet_transfer.h"

namespace {

// Whether anything but blanks follows the program's name: its own text when it is quoted, else
// up to the first blank.
bool hasArguments(const wchar_t* line) {
    if (*line == L'"') {
        line = std::wcschr(line + 1, L'"');
        if (!line)
            return false;
        ++line;
    } else {
        while (*line && *line != L' ' && *line != L'\t')
            ++line;
    }
    while (*line == L' ' || *line == L'\t')
        ++line;
    return *line != L'\0';
}

std::vector<std::string> arguments() {
    // The shell, which splits the line, is loaded only when there is something to split.
    if (!hasArguments(GetCommandLineW()))
        return {};
    int count = 0;
    const std::unique_ptr<wchar_t*, decltype(&LocalFree)> words(
        callSystem<decltype(CommandLineToArgvW)>(L"shell32.dll", "CommandLineToArgvW",
                                                 static_cast<LPWSTR*>(nullptr), GetCommandLineW(),
                                                 &count),
        &LocalFree);
    std::vector<std::string> list;
    for (int i = 1; words && i < count; ++i)
        list.push_back(narrow(words.get()[i]));
    return list;
}

int runWindow() {
    markStartup("toolkit");
    WindowsPlatform platform;
    markStartup("platform");
    SharedState shared;
    Win32Form1Window window(platform.services(), shared);
    markStartup("window");
    platform.shell().setOwner(window.window());
    platform.clock().setOwner(window.window());
    return runMainWindow(window.form1(), platform.services().events);
}

int runClockOnly() {
    Win32Clock clock; // without a window: never asks for elevation
    WinInetTransfer inet;
    MessageEventWait events;
    return runClockOnly(inet, clock, events,
                        [](const std::string& line) { writeErrorLine(widen(line)); });
}

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    markStartup("main");
    const std::vector<std::string> words = arguments();
    const std::optional<ElevatedSet> elevatedSet = readElevatedSet(words);
    return isClockOnly(words) ? runClockOnly()
           : elevatedSet      ? runElevatedSet(*elevatedSet)
                              : runWindow();
}

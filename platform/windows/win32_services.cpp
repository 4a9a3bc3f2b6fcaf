#include "platform/windows/win32_services.h"

#include <shellapi.h>

#include "platform/windows/own_program.h"
#include "platform/windows/system_function.h"
#include "platform/windows/wide_text.h"

void Win32Attention::toggleAttention(std::uint32_t window) {
    if (window)
        ::FlashWindow(windowFromId(window), TRUE);
}

void Win32Speaker::playTone(int frequencyHz, int durationMs) {
    if (durationMs > 0)
        ::Beep(static_cast<DWORD>(frequencyHz), static_cast<DWORD>(durationMs));
}

void Win32Shell::shellOpen(const std::string& target, int show) {
    // The shell may hand the target to COM components.
    m_apartment.join();
    callSystem<decltype(ShellExecuteW)>(L"shell32.dll", "ShellExecuteW", HINSTANCE{}, m_owner,
                                        L"open", widen(target).c_str(), nullptr, nullptr, show);
}

void Win32Shell::open(const std::string& url) {
    shellOpen(url, SW_HIDE);
}

std::string Win32Shell::helpFile() const {
    const std::wstring path = ownProgramPath();
    return narrow(path.substr(0, path.find_last_of(L"\\/") + 1)) + "zeitfang.chm";
}

bool Win32Shell::fileExists(const std::string& path) const {
    return GetFileAttributesW(widen(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

void Win32Shell::openFile(const std::string& path) {
    shellOpen(path, SW_SHOWNORMAL);
}

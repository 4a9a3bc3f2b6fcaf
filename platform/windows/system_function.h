#pragma once

#include <windows.h>

#include <string>
#include <utility>

// A function of a system DLL that the first picture does not need (WinINet, the shell, the
// accessibility runtime): the DLL is loaded from the system folder at the first call that asks
// for it and stays for the rest of the run, so a start that never fetches, opens or meets a
// screen reader maps none of it. Null when the DLL or the function is missing.
template <typename Function> Function* systemFunction(const wchar_t* dll, const char* name) {
    HMODULE module = GetModuleHandleW(dll);
    if (!module) {
        wchar_t folder[MAX_PATH];
        const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
        if (length == 0 || length >= MAX_PATH)
            return nullptr;
        module = LoadLibraryW((std::wstring(folder, length) + L"\\" + dll).c_str());
    }
    if (!module)
        return nullptr;
    // Through the generic function type, which the cast-function-type check leaves alone.
    return reinterpret_cast<Function*>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

// Calls a function of a system DLL; without it, returns `missing`.
template <typename Function, typename Result, typename... Args>
Result callSystem(const wchar_t* dll, const char* name, Result missing, Args&&... args) {
    Function* function = systemFunction<Function>(dll, name);
    return function ? function(std::forward<Args>(args)...) : missing;
}

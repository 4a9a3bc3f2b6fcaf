#include "platform/windows/run_elevated.h"

#include <objbase.h>
#include <shellapi.h>

#include <atomic>
#include <memory>
#include <thread>

#include "platform/event_wait.h"
#include "platform/windows/win_handles.h"

void runElevated(HWND owner, std::wstring arguments, EventWait& events) {
    std::wstring program(MAX_PATH, L'\0');
    program.resize(GetModuleFileNameW(nullptr, program.data(), MAX_PATH));
    const auto ended = std::make_shared<std::atomic<bool>>(false);
    const DWORD waiting = GetCurrentThreadId();
    // ShellExecuteExW returns only once the UAC dialog has been answered, so it runs on a thread
    // of its own. Left to itself when the window closes first: the copy goes on alone.
    std::thread([=] {
        const HRESULT com =
            CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
        SHELLEXECUTEINFOW run{};
        run.cbSize = sizeof(run);
        run.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_NOASYNC | SEE_MASK_FLAG_NO_UI;
        run.hwnd = owner;
        run.lpVerb = L"runas";
        run.lpFile = program.c_str();
        run.lpParameters = arguments.c_str();
        run.nShow = SW_HIDE;
        if (ShellExecuteExW(&run)) {
            const UniqueKernelHandle copy(run.hProcess);
            WaitForSingleObject(copy.get(), INFINITE);
        }
        if (SUCCEEDED(com))
            CoUninitialize();
        *ended = true;
        PostThreadMessageW(waiting, WM_NULL, 0, 0); // wakes the wait below
    }).detach();
    while (!*ended && events.serveOnce()) {
    }
}

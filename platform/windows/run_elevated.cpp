#include "platform/windows/run_elevated.h"

#include <objbase.h>
#include <shellapi.h>

#include <thread>

#include "platform/windows/system_function.h"
#include "platform/windows/win_handles.h"

std::shared_ptr<const ElevatedRun> startElevated(HWND owner, std::wstring program,
                                                 std::wstring arguments) {
    auto run = std::make_shared<ElevatedRun>();
    const DWORD waiting = GetCurrentThreadId();
    // ShellExecuteExW returns only once the UAC dialog has been answered, so it runs on a thread
    // of its own. Left to itself when the window closes first: the copy goes on alone.
    std::thread([=] {
        const HRESULT com =
            CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
        SHELLEXECUTEINFOW execute{};
        execute.cbSize = sizeof(execute);
        execute.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_NOASYNC | SEE_MASK_FLAG_NO_UI;
        execute.hwnd = owner;
        execute.lpVerb = L"runas";
        execute.lpFile = program.c_str();
        execute.lpParameters = arguments.c_str();
        execute.nShow = SW_HIDE;
        if (callSystem<decltype(ShellExecuteExW)>(L"shell32.dll", "ShellExecuteExW", FALSE,
                                                  &execute) &&
            execute.hProcess) {
            const UniqueKernelHandle copy(execute.hProcess);
            DWORD code = 1;
            if (WaitForSingleObject(copy.get(), INFINITE) == WAIT_OBJECT_0 &&
                GetExitCodeProcess(copy.get(), &code))
                run->exitCode = code;
        }
        if (SUCCEEDED(com))
            CoUninitialize();
        run->ended = true;
        PostThreadMessageW(waiting, WM_NULL, 0, 0);
    }).detach();
    return run;
}

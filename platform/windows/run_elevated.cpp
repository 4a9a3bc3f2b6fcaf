#include "platform/windows/run_elevated.h"

#include <shellapi.h>

#include "platform/windows/com_apartment.h"
#include "platform/windows/system_function.h"

ElevatedRun::ElevatedRun(HWND owner, std::wstring program, std::wstring arguments)
    : m_stop(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {
    // ShellExecuteExW returns only once the UAC dialog has been answered, so it runs on a thread
    // of its own.
    m_thread = std::thread(&ElevatedRun::watch, this, owner, std::move(program),
                           std::move(arguments), GetCurrentThreadId());
}

ElevatedRun::~ElevatedRun() {
    SetEvent(m_stop.get());
    m_thread.join();
}

void ElevatedRun::watch(HWND owner, const std::wstring& program, const std::wstring& arguments,
                        DWORD waiting) {
    ComApartment apartment;
    apartment.join();
    SHELLEXECUTEINFOW execute{};
    execute.cbSize = sizeof(execute);
    execute.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_NOASYNC | SEE_MASK_FLAG_NO_UI;
    execute.hwnd = owner;
    execute.lpVerb = L"runas";
    execute.lpFile = program.c_str();
    execute.lpParameters = arguments.c_str();
    execute.nShow = SW_HIDE;
    if (callSystem<decltype(ShellExecuteExW)>(L"shell32.dll", "ShellExecuteExW", FALSE, &execute) &&
        execute.hProcess) {
        const UniqueKernelHandle copy(execute.hProcess);
        const HANDLE either[] = {copy.get(), m_stop.get()};
        DWORD code = 1;
        if (WaitForMultipleObjects(2, either, FALSE, INFINITE) == WAIT_OBJECT_0 &&
            GetExitCodeProcess(copy.get(), &code))
            m_exitCode = code;
    }
    m_ended = true;
    PostThreadMessageW(waiting, WM_NULL, 0, 0);
}

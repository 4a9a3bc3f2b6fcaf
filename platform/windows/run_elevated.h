#pragma once

#include <windows.h>

#include <atomic>
#include <string>
#include <thread>

#include "platform/windows/win_handles.h"

// An elevated copy of this program: started as an administrator (Windows shows the UAC dialog
// over the owner window) without blocking the caller, and watched until it ends. Once it has
// ended, or did not start, a message to the starting thread wakes its message loop.
class ElevatedRun {
  public:
    ElevatedRun(HWND owner, std::wstring program, std::wstring arguments);
    // Stops watching: the copy, once started, goes on alone and still does its work. The UAC
    // dialog cannot be withdrawn, so this returns once it has been answered.
    ~ElevatedRun();
    ElevatedRun(const ElevatedRun&) = delete;
    ElevatedRun& operator=(const ElevatedRun&) = delete;

    bool ended() const { return m_ended; }
    // The copy's exit status; 1 when it did not start (the UAC dialog declined).
    DWORD exitCode() const { return m_exitCode; }

  private:
    void watch(HWND owner, const std::wstring& program, const std::wstring& arguments,
               DWORD waiting);

    std::atomic<bool> m_ended = false;
    std::atomic<DWORD> m_exitCode = 1;
    UniqueKernelHandle m_stop;
    std::thread m_thread;
};

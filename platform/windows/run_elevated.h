#pragma once

#include <windows.h>

#include <atomic>
#include <memory>
#include <string>

// How an elevated copy of this program came out, filled in by the thread that waits for it.
struct ElevatedRun {
    std::atomic<bool> ended = false;
    // The copy's exit status; 1 when it did not start (the UAC dialog declined).
    std::atomic<DWORD> exitCode = 1;
};

// Starts `program` with `arguments` as an administrator (Windows shows the UAC dialog over
// `owner`) and returns at once. The run ends when the copy has ended or did not start; then a
// message to the calling thread wakes its message loop.
std::shared_ptr<const ElevatedRun> startElevated(HWND owner, std::wstring program,
                                                 std::wstring arguments);

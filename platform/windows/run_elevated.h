#pragma once

#include <windows.h>

#include <string>

class EventWait;

// Starts this program once more with `arguments`, as an administrator (Windows shows the UAC
// dialog over `owner`), and returns when that copy has ended or did not start (the dialog
// declined), serving `events` meanwhile so the window stays alive.
void runElevated(HWND owner, std::wstring arguments, EventWait& events);

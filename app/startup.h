#pragma once

#include <string>
#include <vector>

class Form1;
class EventWait;
class HttpTransfer;
class SystemClock;

// Only the single argument "-time", with nothing else, selects the clock-only mode. The
// arguments are those after the program's name.
bool IsClockOnly(const std::vector<std::string>& arguments);

// The "-time" mode: synchronises the clock without a window or the settings, and shows no
// message. Returns the process's exit status: 0 when the attempt counted as successful,
// 1 otherwise.
int RunClockOnly(HttpTransfer& inet, SystemClock& clock, EventWait& events);

// The normal mode up to the event loop: Form1init, the help file, the window shown, then the
// start-up synchronisation.
void StartMainWindow(Form1& form);

// Only when the user chose it ("synconstart" exactly 1), with Timer1 off while it runs and on
// afterwards, unless the window was closed meanwhile.
void SyncClockAtStart(Form1& form);

#pragma once

#include <functional>
#include <string>
#include <vector>

class Form1;
class EventWait;
class HttpTransfer;
class SystemClock;

// Only the single argument "-time", with nothing else, selects the clock-only mode. The
// arguments are those after the program's name.
bool isClockOnly(const std::vector<std::string>& arguments);

// The "-time" mode: synchronises the clock without a window or the settings, and shows no
// message box; when the clock was not set, `tell` gets one line saying why. Returns the process's
// exit status: 0 when the clock was set, 1 otherwise.
int runClockOnly(HttpTransfer& inet, SystemClock& clock, EventWait& events,
                 const std::function<void(const std::string&)>& tell = {});

// The normal mode up to the event loop: Form1init, the help file, the window shown, then the
// start-up synchronisation.
void startMainWindow(Form1& form);

// The normal mode to its end: the start, then the event loop until the window is closed, unless
// it was closed during the start-up synchronisation. Returns the process's exit status.
int runMainWindow(Form1& form, EventWait& events);

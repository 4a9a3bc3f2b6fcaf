#pragma once

class Form1;

// The "-time" mode: synchronises the clock without a window, a display or the settings, and
// shows no message. Returns the process's exit status: 0 when the attempt counted as
// successful, 1 otherwise.
int RunClockOnly(int argc, char** argv);

// Start-up synchronisation of the normal mode, once the window is shown: only when the user
// chose it ("synconstart" exactly 1), with Timer1 off while it runs and on afterwards, unless
// the window was closed meanwhile.
void SyncClockAtStart(Form1& form);

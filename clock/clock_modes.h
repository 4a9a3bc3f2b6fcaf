#pragma once

class Form1;

// Start-up synchronisation of the normal mode, once the window is shown: only when the user
// chose it ("synconstart" exactly 1), with Timer1 off while it runs and on afterwards.
void SyncClockAtStart(Form1& form);

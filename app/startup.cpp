#include "app/startup.h"

#include "app/form1.h"

bool IsClockOnly(const std::vector<std::string>& arguments) {
    return arguments.size() == 1 && arguments[0] == "-time";
}

int RunClockOnly(HttpTransfer& inet, SystemClock& clock, EventWait& events) {
    const AppSettingsRecord notLoaded; // all zero: no message box
    ClockSync sync(inet, clock, events, notLoaded, {});
    return sync.SyncClock() ? 0 : 1;
}

void StartMainWindow(Form1& form) {
    form.Form1init();
    form.view.registerHelpFile("zeitfang.chm");
    form.view.showWindow();
    SyncClockAtStart(form);
}

void SyncClockAtStart(Form1& form) {
    if (form.shared.AppSettings.synconstart != 1)
        return;
    form.setTimerEnabled(false);
    form.clockSync.SyncClock();
    // Closed during the wait: no countdown without a window.
    if (!form.closed())
        form.setTimerEnabled(true);
}

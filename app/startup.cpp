#include "app/startup.h"

#include "app/form1.h"

bool isClockOnly(const std::vector<std::string>& arguments) {
    return arguments.size() == 1 && arguments[0] == "-time";
}

int runClockOnly(HttpTransfer& inet, SystemClock& clock, EventWait& events,
                 const std::function<void(const std::string&)>& tell) {
    const AppSettingsRecord notLoaded; // all zero: no message box
    ClockSync sync(inet, clock, events, notLoaded, {});
    if (sync.SyncClock())
        return 0;
    if (tell)
        tell(sync.whyNotSet());
    return 1;
}

void startMainWindow(Form1& form) {
    form.Form1init();
    form.registerHelpFile();
    form.show();
    form.syncClockAtStart();
}

int runMainWindow(Form1& form, EventWait& events) {
    startMainWindow(form);
    return form.closed() ? 0 : events.run();
}

#include "clock/clock_modes.h"

#include "app/form1.h"

void SyncClockAtStart(Form1& form) {
    if (form.shared.AppSettings.synconstart != 1)
        return;
    form.Timer1->setEnabled(false);
    form.clockSync.SyncClock();
    form.Timer1->setEnabled(true);
}

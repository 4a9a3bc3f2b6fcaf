#include "clock/clock_modes.h"

#include <QCoreApplication>

#include "app/form1.h"
#include "clock/clock_sync.h"
#include "platform/inet_transfer.h"
#include "platform/local_clock.h"

namespace {
// The mode runs from terminals, cron jobs and timers, where it prints nothing.
void silent(QtMsgType, const QMessageLogContext&, const QString&) {}
} // namespace

int RunClockOnly(int argc, char** argv) {
    qInstallMessageHandler(silent);
    QCoreApplication app(argc, argv);
    LocalClock clock;
    InetTransfer inet;
    const AppSettingsRecord notLoaded; // all zero: no message box
    ClockSync sync(inet, clock, notLoaded, {});
    return sync.SyncClock() ? 0 : 1;
}

void SyncClockAtStart(Form1& form) {
    if (form.shared.AppSettings.synconstart != 1)
        return;
    form.Timer1->setEnabled(false);
    form.clockSync.SyncClock();
    // Closed during the wait: no countdown without a window.
    if (!form.closed())
        form.Timer1->setEnabled(true);
}

#include "shell/qt/clock_only.h"

#include <QCoreApplication>
#include <cstdio>
#include <string>

#include "app/startup.h"
#include "platform/linux/lazy_services.h"
#include "platform/linux/local_clock.h"
#include "platform/linux/qt_event_wait.h"

namespace {
// The mode runs from terminals, cron jobs and timers: Qt's own warnings are no help there.
void silent(QtMsgType, const QMessageLogContext&, const QString&) {}

void toStandardError(const std::string& line) {
    std::fputs((line + '\n').c_str(), stderr);
}
} // namespace

int runClockOnlyOnQt(int argc, char** argv) {
    qInstallMessageHandler(silent);
    QCoreApplication app(argc, argv);
    LocalClock clock;
    LazyTransfer inet;
    QtEventWait events;
    return runClockOnly(inet, clock, events, toStandardError);
}

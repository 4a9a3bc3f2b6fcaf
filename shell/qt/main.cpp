#include <QAccessible>
#include <QApplication>
#include <cstdio>
#include <string>
#include <vector>

#include "app/startup.h"
#include "base/startup_marks.h"
#include "shell/qt/clock_only.h"
#include "shell/qt/font_warm_up.h"
#include "shell/qt/linux_platform.h"
#include "shell/qt/qt_form1_window.h"
#include "shell/qt/window_accessible.h"

namespace {

int runWindow(char** argv) {
    // The desktop's window list and the attention toggle speak X11; under Wayland this runs
    // through XWayland.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        if (qEnvironmentVariableIsEmpty("DISPLAY")) {
            std::fputs("zeitfang: keine X11-Anzeige gefunden (DISPLAY ist nicht gesetzt).\n",
                       stderr);
            return 2;
        }
        qputenv("QT_QPA_PLATFORM", "xcb");
    }
    // Qt would read options of its own (-reverse, -style, -platform, -qwindowgeometry ...) from
    // the command line; any line but "-time" starts the window as a bare start does.
    int qtArgc = argv[0] ? 1 : 0;
    char* qtArgv[] = {argv[0], nullptr};
    FontWarmUp fonts;
    QApplication app(qtArgc, qtArgv);
    markStartup("toolkit");
    // Before any window: a screen reader running already asks for the window as it is made.
    QAccessible::installFactory(&WindowAccessible::create);
    LinuxPlatform platform;
    markStartup("platform");
    fonts.wait();
    SharedState shared;
    QtForm1Window window(platform.services(), shared);
    markStartup("window");
    return runMainWindow(window.form1, platform.services().events);
}

} // namespace

int main(int argc, char** argv) {
    markStartup("main");
    if (isClockOnly(std::vector<std::string>(argv + 1, argv + argc)))
        return runClockOnlyOnQt(argc, argv);
    return runWindow(argv);
}

#include <QApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QFont>
#include <QKeySequence>
#include <QShortcut>
#include <QUrl>
#include <cstdio>
#include <cstring>

#include "app/form1.h"
#include "clock/clock_modes.h"
#include "platform/linux_platform.h"

namespace {

// Only a single argument "-time", with nothing else, selects the clock-only mode.
bool isClockOnly(int argc, char** argv) {
    return argc == 2 && std::strcmp(argv[1], "-time") == 0;
}

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
    QApplication app(qtArgc, qtArgv);
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"),
                              QStringLiteral("Liberation Sans Narrow"));
    LinuxPlatform platform;
    SharedState shared;
    Form1 form(platform.services(), shared);
    form.Form1init();

    // The help file is registered, not checked: F1 opens it when it is there.
    const QString helpFile = QCoreApplication::applicationDirPath() + "/zeitfang.chm";
    auto* help = new QShortcut(QKeySequence::HelpContents, &form);
    QObject::connect(help, &QShortcut::activated, [helpFile] {
        if (QFileInfo::exists(helpFile))
            QDesktopServices::openUrl(QUrl::fromLocalFile(helpFile));
    });

    form.show();
    SyncClockAtStart(form);
    // Closed while the start-up synchronisation waited, before the event loop could see it: the
    // placement is saved, nothing is left to do.
    if (form.closed())
        return 0;
    return app.exec();
}

} // namespace

int main(int argc, char** argv) {
    if (isClockOnly(argc, argv))
        return RunClockOnly(argc, argv);
    return runWindow(argv);
}

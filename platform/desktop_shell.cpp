#include "platform/desktop_shell.h"

#include <QDesktopServices>

void DesktopShell::open(const QUrl& url) {
    QDesktopServices::openUrl(url);
}

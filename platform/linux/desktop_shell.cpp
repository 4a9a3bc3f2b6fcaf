#include "platform/linux/desktop_shell.h"

#include <QByteArray>
#include <QDesktopServices>
#include <QUrl>

void DesktopShell::open(const std::string& url) {
    QDesktopServices::openUrl(QUrl::fromEncoded(QByteArray::fromStdString(url), QUrl::StrictMode));
}

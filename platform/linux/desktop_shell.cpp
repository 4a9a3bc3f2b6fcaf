#include "platform/linux/desktop_shell.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

void DesktopShell::open(const std::string& url) {
    QDesktopServices::openUrl(QUrl::fromEncoded(QByteArray::fromStdString(url), QUrl::StrictMode));
}

std::string DesktopShell::programFolder() const {
    return QCoreApplication::applicationDirPath().toStdString() + "/";
}

bool DesktopShell::fileExists(const std::string& path) const {
    return QFileInfo::exists(QString::fromStdString(path));
}

void DesktopShell::openFile(const std::string& path) {
    QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(path)));
}

#include "platform/linux/desktop_shell.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

void DesktopShell::open(const std::string& url) {
    QDesktopServices::openUrl(QUrl::fromEncoded(QByteArray::fromStdString(url), QUrl::StrictMode));
}

std::string DesktopShell::helpFile() const {
    // The page beside the program in the build; installed, in the data folder beside bin/.
    const QDir folder(QCoreApplication::applicationDirPath());
    const QString beside = folder.filePath(QStringLiteral("zeitfang.html"));
    return (QFileInfo::exists(beside) ? beside
                                      : QDir::cleanPath(folder.filePath(
                                            QStringLiteral("../share/zeitfang/zeitfang.html"))))
        .toStdString();
}

bool DesktopShell::fileExists(const std::string& path) const {
    return QFileInfo::exists(QString::fromStdString(path));
}

void DesktopShell::openFile(const std::string& path) {
    QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(path)));
}

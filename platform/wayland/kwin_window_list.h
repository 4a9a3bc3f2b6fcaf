#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QString>
#include <QTemporaryDir>
#include <optional>

#include "platform/window_list.h"

// The windows of a KDE Plasma session, read by a small KWin script that KWin runs on request
// and that calls back on the session bus with the list.
class KWinWindowList : public QObject, public WindowList {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "de.orvikwerk.Zeitfang.WindowReply")

  public:
    explicit KWinWindowList(QDBusConnection bus);
    ~KWinWindowList() override;
    KWinWindowList(const KWinWindowList&) = delete;
    KWinWindowList& operator=(const KWinWindowList&) = delete;

    std::vector<DesktopWindow> topLevelWindows() override;

  public Q_SLOTS:
    // Called by the script.
    Q_NOREPLY void windows(const QString& serial, const QString& records);

  Q_SIGNALS:
    void replied();

  private:
    bool runScript(int timeoutMs);

    QDBusConnection m_bus;
    QTemporaryDir m_folder;
    QString m_pluginName;
    bool m_registered = false;
    unsigned m_serial = 0;
    std::optional<QString> m_reply;
};

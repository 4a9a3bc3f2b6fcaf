#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QString>
#include <optional>

struct GnomeExtensionInfo;

// Tells the user once per run, on the desktop and on standard error, why GNOME's window list
// stays empty, and switches the Shell extension on when the notification's action is chosen.
class GnomeExtensionPrompt : public QObject {
    Q_OBJECT

  public:
    GnomeExtensionPrompt(QDBusConnection bus, QString uuid);
    ~GnomeExtensionPrompt() override;
    GnomeExtensionPrompt(const GnomeExtensionPrompt&) = delete;
    GnomeExtensionPrompt& operator=(const GnomeExtensionPrompt&) = delete;

    // Asks the Shell about the extension without waiting, then tells the user.
    void showOnce();

  private Q_SLOTS:
    void actionInvoked(uint id, const QString& action);
    void notificationClosed(uint id);

  private:
    void show(const GnomeExtensionInfo& info);
    void listen(bool on);
    void switchOn();

    QDBusConnection m_bus;
    QString m_uuid;
    bool m_shown = false;
    bool m_listening = false;
    std::optional<uint> m_id; // the notification's, while it offers the action
};

#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QString>
#include <optional>

struct GnomeExtensionInfo;

// Tells the user, on the desktop and on standard error, why GNOME's window list stays empty,
// each time it does, and switches the Shell extension on when the notification's action is
// chosen, telling the user how that went.
class GnomeExtensionPrompt : public QObject {
    Q_OBJECT

  public:
    GnomeExtensionPrompt(QDBusConnection bus, QString uuid);
    ~GnomeExtensionPrompt() override;
    GnomeExtensionPrompt(const GnomeExtensionPrompt&) = delete;
    GnomeExtensionPrompt& operator=(const GnomeExtensionPrompt&) = delete;

    // Asks the Shell about the extension without waiting, then tells the user; `error` is what
    // the extension answered instead of the list, if it answered.
    void show(const QString& error = {});

  private Q_SLOTS:
    void actionInvoked(uint id, const QString& action);
    void notificationClosed(uint id);

  private:
    void ask(const GnomeExtensionInfo& known, int settleTries);
    void notify(const GnomeExtensionInfo& info);
    void listen(bool on);
    void switchOn();

    QDBusConnection m_bus;
    QString m_uuid;
    QString m_switchOnAction;
    bool m_asking = false;
    bool m_listening = false;
    bool m_offersAction = false;
    std::optional<uint> m_id; // the notification's, while it is shown
};

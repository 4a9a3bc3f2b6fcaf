#include "platform/wayland/gnome_extension_prompt.h"

#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QStandardPaths>
#include <QStringList>
#include <QVariantMap>
#include <cstdio>
#include <utility>

#include "platform/wayland/gnome_extension_notice.h"

namespace {

constexpr int kTimeoutMs = 1000;
const QString kNotifications = QStringLiteral("org.freedesktop.Notifications");
const QString kNotificationsPath = QStringLiteral("/org/freedesktop/Notifications");
const QString kSwitchOnAction = QStringLiteral("switch-on");

QDBusMessage shellExtensionsCall(const QString& method, const QString& uuid) {
    auto call = QDBusMessage::createMethodCall(
        QStringLiteral("org.gnome.Shell"), QStringLiteral("/org/gnome/Shell"),
        QStringLiteral("org.gnome.Shell.Extensions"), method);
    call << uuid;
    return call;
}

QDBusMessage notificationsCall(const QString& method) {
    return QDBusMessage::createMethodCall(kNotifications, kNotificationsPath, kNotifications,
                                          method);
}

// Runs `done` with the reply once it is there; the watcher goes with it.
template <typename Done>
void whenAnswered(QDBusConnection& bus, const QDBusMessage& call, QObject* context, Done done) {
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call, kTimeoutMs), context);
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, context,
                     [done](QDBusPendingCallWatcher* w) mutable {
                         w->deleteLater();
                         done(w->reply());
                     });
}

} // namespace

GnomeExtensionPrompt::GnomeExtensionPrompt(QDBusConnection bus, QString uuid)
    : m_bus(std::move(bus)), m_uuid(std::move(uuid)) {}

GnomeExtensionPrompt::~GnomeExtensionPrompt() {
    listen(false);
    // Its action would reach no one once the program has ended.
    if (m_id) {
        auto close = notificationsCall(QStringLiteral("CloseNotification"));
        close << *m_id;
        m_bus.send(close);
    }
}

void GnomeExtensionPrompt::showOnce() {
    if (m_shown)
        return;
    m_shown = true;
    GnomeExtensionInfo info;
    info.installed = !QStandardPaths::locate(
                          QStandardPaths::GenericDataLocation,
                          QStringLiteral("gnome-shell/extensions/%1/metadata.json").arg(m_uuid))
                          .isEmpty();
    whenAnswered(m_bus, shellExtensionsCall(QStringLiteral("GetExtensionInfo"), m_uuid), this,
                 [this, info](const QDBusMessage& reply) mutable {
                     // An extension the Shell has not read gets an empty map.
                     if (reply.type() == QDBusMessage::ReplyMessage &&
                         !reply.arguments().isEmpty()) {
                         const auto map = qdbus_cast<QVariantMap>(reply.arguments().constFirst());
                         if (map.contains(QStringLiteral("state")))
                             info.state = map.value(QStringLiteral("state")).toInt();
                         info.canChange = map.value(QStringLiteral("canChange"), true).toBool();
                     }
                     show(info);
                 });
}

void GnomeExtensionPrompt::show(const GnomeExtensionInfo& info) {
    const GnomeExtensionNotice notice = gnomeExtensionNotice(info);
    const QString text = QString::fromStdString(notice.text);
    std::fprintf(stderr, "zeitfang: %s\n", text.toLocal8Bit().constData());
    QStringList actions;
    if (notice.offersSwitchOn) {
        actions << kSwitchOnAction << QString::fromUtf8(kSwitchOnLabel);
        listen(true);
    }
    // A desktop notification: the Shell shows it where the user looks, also while the
    // countdown window is small or hidden; resident, so it stays until dealt with.
    auto notify = notificationsCall(QStringLiteral("Notify"));
    notify << QStringLiteral("Zeitfang") << 0u << QStringLiteral("zeitfang")
           << QString::fromStdString(notice.title) << text << actions
           << QVariantMap{{QStringLiteral("resident"), true}} << 0;
    if (!notice.offersSwitchOn) {
        m_bus.send(notify);
        return;
    }
    whenAnswered(m_bus, notify, this, [this](const QDBusMessage& reply) {
        if (reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty())
            m_id = reply.arguments().constFirst().toUInt();
        else
            listen(false);
    });
}

void GnomeExtensionPrompt::listen(bool on) {
    if (on == m_listening)
        return;
    m_listening = on;
    const std::pair<const char*, const char*> signalSlots[] = {
        {"ActionInvoked", SLOT(actionInvoked(uint, QString))},
        {"NotificationClosed", SLOT(notificationClosed(uint))}};
    for (const auto& [signal, slot] : signalSlots) {
        if (on)
            m_bus.connect(kNotifications, kNotificationsPath, kNotifications, QLatin1String(signal),
                          this, slot);
        else
            m_bus.disconnect(kNotifications, kNotificationsPath, kNotifications,
                             QLatin1String(signal), this, slot);
    }
}

void GnomeExtensionPrompt::actionInvoked(uint id, const QString& action) {
    if (id == m_id && action == kSwitchOnAction)
        switchOn();
}

void GnomeExtensionPrompt::notificationClosed(uint id) {
    if (id != m_id)
        return;
    m_id.reset();
    listen(false);
}

void GnomeExtensionPrompt::switchOn() {
    // The notification has done its job; the Shell keeps a resident one otherwise.
    auto close = notificationsCall(QStringLiteral("CloseNotification"));
    close << *m_id;
    m_bus.send(close);
    m_id.reset();
    listen(false);
    whenAnswered(m_bus, shellExtensionsCall(QStringLiteral("EnableExtension"), m_uuid), this,
                 [](const QDBusMessage& reply) {
                     const bool on = reply.type() == QDBusMessage::ReplyMessage &&
                                     !reply.arguments().isEmpty() &&
                                     reply.arguments().constFirst().toBool();
                     std::fprintf(stderr, "zeitfang: %s\n",
                                  on ? "Shell-Erweiterung eingeschaltet"
                                     : "GNOME hat die Shell-Erweiterung nicht eingeschaltet");
                 });
}

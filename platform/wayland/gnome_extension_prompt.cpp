#include "platform/wayland/gnome_extension_prompt.h"

#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusVariant>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStandardPaths>
#include <QStringList>
#include <QTimer>
#include <QVariantMap>
#include <cstdio>
#include <unistd.h>
#include <utility>

#include "platform/wayland/gnome_extension_notice.h"

namespace {

constexpr int kTimeoutMs = 1000;
// How long the Shell may take to load the extension once switched on: 3 s.
constexpr int kSettleMs = 250;
constexpr int kSettleTries = 12;
const QString kShell = QStringLiteral("org.gnome.Shell");
const QString kShellPath = QStringLiteral("/org/gnome/Shell");
const QString kExtensions = QStringLiteral("org.gnome.Shell.Extensions");
const QString kNotifications = QStringLiteral("org.freedesktop.Notifications");
const QString kNotificationsPath = QStringLiteral("/org/freedesktop/Notifications");

QDBusMessage shellExtensionsCall(const QString& method, const QString& uuid) {
    auto call = QDBusMessage::createMethodCall(kShell, kShellPath, kExtensions, method);
    call << uuid;
    return call;
}

QDBusMessage notificationsCall(const QString& method) {
    return QDBusMessage::createMethodCall(kNotifications, kNotificationsPath, kNotifications,
                                          method);
}

bool answered(const QDBusMessage& reply) {
    return reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty();
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

// The Shell versions the extension's metadata names as it is on disk now, which is not always
// what the Shell read when it started.
std::vector<std::string> metadataVersions(const QString& path) {
    QFile file(path);
    std::vector<std::string> out;
    if (!file.open(QIODevice::ReadOnly))
        return out;
    const auto doc = QJsonDocument::fromJson(file.readAll());
    for (const auto& v : doc.object().value(QStringLiteral("shell-version")).toArray())
        out.push_back(v.toString().toStdString());
    return out;
}

bool settled(const std::optional<int>& state) {
    return state == kExtensionActive || state == kExtensionError || state == kExtensionOutOfDate;
}

} // namespace

// The action's name is this process's own: every program on the bus hears every action.
GnomeExtensionPrompt::GnomeExtensionPrompt(QDBusConnection bus, QString uuid)
    : m_bus(std::move(bus)), m_uuid(std::move(uuid)),
      m_switchOnAction(QStringLiteral("zeitfang-%1-switch-on").arg(getpid())) {}

GnomeExtensionPrompt::~GnomeExtensionPrompt() {
    listen(false);
    // Its action would reach no one once the program has ended.
    if (m_id && m_offersAction) {
        auto close = notificationsCall(QStringLiteral("CloseNotification"));
        close << *m_id;
        m_bus.send(close);
    }
}

void GnomeExtensionPrompt::show(const QString& error) {
    if (m_asking)
        return;
    GnomeExtensionInfo known;
    known.error = error.toStdString();
    ask(known, -1);
}

// settleTries: after the action, how often to look again until the Shell has loaded the
// extension or failed to; -1: tell the user what there is now.
void GnomeExtensionPrompt::ask(const GnomeExtensionInfo& known, int settleTries) {
    m_asking = true;
    auto version = QDBusMessage::createMethodCall(kShell, kShellPath,
                                                  QStringLiteral("org.freedesktop.DBus.Properties"),
                                                  QStringLiteral("Get"));
    version << kExtensions << QStringLiteral("ShellVersion");
    whenAnswered(m_bus, version, this, [this, known, settleTries](const QDBusMessage& reply) {
        GnomeExtensionInfo info = known;
        if (answered(reply))
            info.shellVersion = qdbus_cast<QDBusVariant>(reply.arguments().constFirst())
                                    .variant()
                                    .toString()
                                    .toStdString();
        const auto call = shellExtensionsCall(QStringLiteral("GetExtensionInfo"), m_uuid);
        whenAnswered(m_bus, call, this, [=, this](const QDBusMessage& reply) mutable {
            QString metadata = QStandardPaths::locate(
                QStandardPaths::GenericDataLocation,
                QStringLiteral("gnome-shell/extensions/%1/metadata.json").arg(m_uuid));
            // An extension the Shell has not read gets an empty map.
            const auto map = answered(reply)
                                 ? qdbus_cast<QVariantMap>(reply.arguments().constFirst())
                                 : QVariantMap{};
            if (map.contains(QStringLiteral("state")))
                info.state = map.value(QStringLiteral("state")).toInt();
            info.canChange = map.value(QStringLiteral("canChange"), true).toBool();
            if (info.error.empty() && info.state == kExtensionError)
                info.error = map.value(QStringLiteral("error")).toString().toStdString();
            if (map.contains(QStringLiteral("path")))
                metadata = map.value(QStringLiteral("path")).toString() + "/metadata.json";
            info.installed = !metadata.isEmpty();
            info.madeFor = metadataVersions(metadata);
            if (settleTries >= 0 && !settled(info.state)) {
                if (settleTries > 0) {
                    QTimer::singleShot(kSettleMs, this,
                                       [this, known, settleTries] { ask(known, settleTries - 1); });
                    return;
                }
                info.switchOnFailed = true;
            }
            m_asking = false;
            notify(info);
        });
    });
}

void GnomeExtensionPrompt::notify(const GnomeExtensionInfo& info) {
    const GnomeExtensionNotice notice = gnomeExtensionNotice(info);
    const QString text = QString::fromStdString(notice.text);
    std::fprintf(stderr, "zeitfang: %s\n", text.toLocal8Bit().constData());
    QStringList actions;
    if (notice.offersSwitchOn)
        actions << m_switchOnAction << QString::fromUtf8(kSwitchOnLabel);
    m_offersAction = notice.offersSwitchOn;
    // Listening before the notification is there: its action may come before its number.
    if (m_offersAction)
        listen(true);
    // A desktop notification: the Shell shows it where the user looks, also while the
    // countdown window is small or hidden. One at a time, each replacing the last; what asks
    // for something stays until dealt with.
    auto notify = notificationsCall(QStringLiteral("Notify"));
    notify << QStringLiteral("Zeitfang") << m_id.value_or(0u) << QStringLiteral("zeitfang")
           << QString::fromStdString(notice.title) << text << actions
           << QVariantMap{{notice.stays ? QStringLiteral("resident") : QStringLiteral("transient"),
                           true}}
           << (notice.stays ? 0 : -1);
    whenAnswered(m_bus, notify, this, [this](const QDBusMessage& reply) {
        if (answered(reply)) {
            m_id = reply.arguments().constFirst().toUInt();
            listen(true);
        } else {
            m_id.reset();
            listen(false);
        }
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
    if (!m_offersAction || action != m_switchOnAction)
        return;
    m_id = id;
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
    m_offersAction = false;
    listen(false);
    whenAnswered(m_bus, shellExtensionsCall(QStringLiteral("EnableExtension"), m_uuid), this,
                 [this](const QDBusMessage& reply) {
                     GnomeExtensionInfo known;
                     known.switchOnFailed =
                         !(answered(reply) && reply.arguments().constFirst().toBool());
                     ask(known, known.switchOnFailed ? -1 : kSettleTries);
                 });
}

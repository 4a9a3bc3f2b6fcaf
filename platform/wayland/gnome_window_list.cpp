#include "platform/wayland/gnome_window_list.h"

#include <QDBusArgument>
#include <QDBusMessage>
#include <QStringList>
#include <QVariantMap>
#include <cstdio>
#include <unistd.h>

#include "platform/logic/compositor_windows.h"

namespace {

constexpr int kTimeoutMs = 1000;

// The error names a bus gives when the Shell runs but the extension does not answer on it.
bool isMissingExtension(const QString& error) {
    return error == QLatin1String("org.freedesktop.DBus.Error.UnknownMethod") ||
           error == QLatin1String("org.freedesktop.DBus.Error.UnknownObject") ||
           error == QLatin1String("org.freedesktop.DBus.Error.UnknownInterface");
}

// True when the Shell has the extension but refuses to run it: made for another GNOME version
// (the package's link not yet renewed after a Shell upgrade) or failing in its start.
bool isRefused(const QDBusConnection& bus, const char* uuid) {
    auto call = QDBusMessage::createMethodCall(
        QStringLiteral("org.gnome.Shell"), QStringLiteral("/org/gnome/Shell"),
        QStringLiteral("org.gnome.Shell.Extensions"), QStringLiteral("GetExtensionInfo"));
    call << QLatin1String(uuid);
    const QDBusMessage reply = bus.call(call, QDBus::Block, kTimeoutMs);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return false;
    const int state = qdbus_cast<QVariantMap>(reply.arguments().constFirst())
                          .value(QStringLiteral("state"))
                          .toInt();
    constexpr int kError = 3, kOutOfDate = 4;
    return state == kError || state == kOutOfDate;
}

} // namespace

GnomeWindowList::GnomeWindowList(QDBusConnection bus) : m_bus(std::move(bus)) {}

std::vector<DesktopWindow> GnomeWindowList::topLevelWindows() {
    const auto call = QDBusMessage::createMethodCall(
        QStringLiteral("org.gnome.Shell"), QStringLiteral("/de/orvikwerk/Zeitfang/Windows"),
        QStringLiteral("de.orvikwerk.Zeitfang.Windows"), QStringLiteral("List"));
    const QDBusMessage reply = m_bus.call(call, QDBus::Block, kTimeoutMs);
    if (reply.type() == QDBusMessage::ErrorMessage) {
        if (isMissingExtension(reply.errorName()))
            tellExtensionMissing();
        return {};
    }
    if (reply.arguments().size() != 1)
        return {};
    auto windows = parseWindowRecords(reply.arguments().constFirst().toString().toStdString());
    if (!windows)
        return {};
    return toDesktopWindows(std::move(*windows),
                            OwnWindows{static_cast<std::uint32_t>(getpid()), {}});
}

void GnomeWindowList::tellExtensionMissing() {
    if (m_told)
        return;
    m_told = true;
    const bool refused = isRefused(m_bus, kExtensionUuid);
    const QString text =
        refused ? QStringLiteral("GNOME lädt die Shell-Erweiterung von Zeitfang nicht, sie ist "
                                 "für eine andere GNOME-Version eingerichtet. Bitte im "
                                 "Terminal eingeben:\n"
                                 "sudo dpkg-reconfigure zeitfang\n"
                                 "und sich danach ab- und wieder anmelden.")
                : QStringLiteral("Zeitfang sieht die Browserfenster unter GNOME nur mit seiner "
                                 "Shell-Erweiterung. Bitte im Terminal eingeben:\n"
                                 "gnome-extensions enable %1\n"
                                 "und sich danach ab- und wieder anmelden.")
                      .arg(QLatin1String(kExtensionUuid));
    std::fprintf(stderr, "zeitfang: %s\n", text.toLocal8Bit().constData());
    // A desktop notification: the Shell shows it where the user looks, also while the
    // countdown window is small or hidden.
    auto notify = QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.Notifications"),
                                                 QStringLiteral("/org/freedesktop/Notifications"),
                                                 QStringLiteral("org.freedesktop.Notifications"),
                                                 QStringLiteral("Notify"));
    notify << QStringLiteral("Zeitfang") << 0u << QStringLiteral("zeitfang")
           << (refused ? QStringLiteral("Zeitfang: GNOME-Erweiterung abgelehnt")
                       : QStringLiteral("Zeitfang: GNOME-Erweiterung fehlt"))
           << text << QStringList() << QVariantMap{{QStringLiteral("resident"), true}} << 0;
    m_bus.send(notify);
}

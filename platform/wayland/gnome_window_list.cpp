#include "platform/wayland/gnome_window_list.h"

#include <QDBusMessage>
#include <unistd.h>

#include "platform/wayland/compositor_windows.h"

namespace {

constexpr int kTimeoutMs = 1000;

// The error names a bus gives when the Shell runs but the extension does not answer on it.
bool isMissingExtension(const QString& error) {
    return error == QLatin1String("org.freedesktop.DBus.Error.UnknownMethod") ||
           error == QLatin1String("org.freedesktop.DBus.Error.UnknownObject") ||
           error == QLatin1String("org.freedesktop.DBus.Error.UnknownInterface");
}

} // namespace

GnomeWindowList::GnomeWindowList(QDBusConnection bus)
    : m_bus(bus), m_prompt(std::move(bus), QLatin1String(kExtensionUuid)) {}

std::vector<DesktopWindow> GnomeWindowList::topLevelWindows() {
    const auto call = QDBusMessage::createMethodCall(
        QStringLiteral("org.gnome.Shell"), QStringLiteral("/de/orvikwerk/Zeitfang/Windows"),
        QStringLiteral("de.orvikwerk.Zeitfang.Windows"), QStringLiteral("List"));
    const QDBusMessage reply = m_bus.call(call, QDBus::Block, kTimeoutMs);
    if (reply.type() == QDBusMessage::ErrorMessage) {
        // Every capture that fails for want of the extension tells the user again.
        if (isMissingExtension(reply.errorName()))
            m_prompt.show();
        else if (reply.errorName().startsWith(QLatin1String("org.gnome.gjs.")))
            m_prompt.show(reply.errorMessage()); // it threw: the Shell changed under it
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

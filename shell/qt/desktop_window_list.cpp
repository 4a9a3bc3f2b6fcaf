#include "shell/qt/desktop_window_list.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <cstdio>
#include <optional>

#include "platform/linux/own_module.h"
#include "platform/linux/x11_window_list.h"
#include "platform/wayland/compositor_windows.h"
#include "platform/wayland/gnome_window_list.h"
#include "platform/wayland/kwin_window_list.h"

std::unique_ptr<WindowList> makeDesktopWindowList() {
    SessionFacts facts;
    facts.waylandDisplay = !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
    facts.sessionType = qEnvironmentVariable("XDG_SESSION_TYPE").toStdString();
    facts.currentDesktop = qEnvironmentVariable("XDG_CURRENT_DESKTOP").toStdString();
    // The session bus is asked only on a Wayland session: an X11 start needs no connection.
    std::optional<QDBusConnection> bus;
    std::unique_ptr<WindowList> wlr;
    if (facts.waylandDisplay || facts.sessionType == "wayland") {
        bus = QDBusConnection::sessionBus();
        if (bus->isConnected()) {
            facts.kwinOnBus = bus->interface()->isServiceRegistered(QStringLiteral("org.kde.KWin"));
            facts.gnomeShellOnBus =
                bus->interface()->isServiceRegistered(QStringLiteral("org.gnome.Shell"));
        }
        if (facts.waylandDisplay && !facts.kwinOnBus && !facts.gnomeShellOnBus) {
            // libwayland-client is loaded only here, for the one kind of session that needs it.
            OwnModule wayland("libzeitfang_wayland.so");
            wlr = wayland.make<WindowList>("zeitfangNewWlrWindowList");
            facts.wlrToplevelGlobal = wlr != nullptr;
        }
    }
    const WindowBackend backend = chooseBackend(facts);
    std::fprintf(stderr, "zeitfang: Fensterliste über %s\n", backendName(backend));
    switch (backend) {
    case WindowBackend::KWin:
        return std::make_unique<KWinWindowList>(*bus);
    case WindowBackend::Gnome:
        return std::make_unique<GnomeWindowList>(*bus);
    case WindowBackend::Wlroots:
        return wlr;
    case WindowBackend::X11:
        break;
    }
    return std::make_unique<X11WindowList>();
}

#include "platform/wayland/kwin_window_list.h"

#include <QDBusMessage>
#include <QDBusReply>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QFile>
#include <QRegularExpression>
#include <QThread>
#include <QTimer>
#include <unistd.h>

#include "platform/wayland/compositor_windows.h"

namespace {

const QString kService = QStringLiteral("org.kde.KWin");
const QString kObjectPath = QStringLiteral("/de/orvikwerk/Zeitfang/Windows");
constexpr int kTimeoutMs = 1000;

// KWin 5 lists windows with clientList() and a per-window stackingOrder; KWin 6 has
// windowList() and workspace.stackingOrder (bottom to top). Fields as parseWindowRecords reads
// them.
const char* const kScript = R"JS((function () {
    var RS = "\x1e", FS = "\x1f";
    function clean(s) { return String(s === undefined || s === null ? "" : s).replace(/[\x1e\x1f]/g, " "); }
    var all = workspace.windowList ? workspace.windowList() : workspace.clientList();
    var stack = workspace.stackingOrder;
    var out = "zf1" + RS;
    for (var i = 0; i < all.length; ++i) {
        var w = all[i];
        var order = stack ? stack.indexOf(w) : w.stackingOrder;
        var flags = (w.minimized ? "m" : "") + (w.normalWindow ? "n" : "") + (w.skipTaskbar ? "s" : "");
        out += [w.pid > 0 ? w.pid : 0, order >= 0 ? order : 0, flags, clean(w.resourceClass),
                clean(w.caption)].join(FS) + RS;
    }
    callDBus("%1", "%2", "de.orvikwerk.Zeitfang.WindowReply", "windows", "%3", out);
})();
)JS";

int remaining(const QDeadlineTimer& deadline) {
    return static_cast<int>(std::max<qint64>(1, deadline.remainingTime()));
}

} // namespace

KWinWindowList::KWinWindowList(QDBusConnection bus)
    : m_bus(std::move(bus)), m_pluginName(QStringLiteral("zeitfang-windows-%1").arg(getpid())) {
    m_registered = m_bus.registerObject(kObjectPath, this, QDBusConnection::ExportAllSlots);
}

KWinWindowList::~KWinWindowList() {
    if (m_registered)
        m_bus.unregisterObject(kObjectPath);
}

void KWinWindowList::windows(const QString& serial, const QString& records) {
    if (serial.toUInt() != m_serial)
        return; // a late answer to a scan that gave up
    m_reply = records;
    emit replied();
}

bool KWinWindowList::runScript(int timeoutMs) {
    const QDeadlineTimer deadline(timeoutMs);
    const QString path = m_folder.filePath(QStringLiteral("windows.js"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    file.write(QString::fromUtf8(kScript)
                   .arg(m_bus.baseService(), kObjectPath, QString::number(m_serial))
                   .toUtf8());
    file.close();

    auto call = [&](const QString& path, const QString& interface, const QString& method,
                    const QVariantList& args) {
        auto message = QDBusMessage::createMethodCall(kService, path, interface, method);
        message.setArguments(args);
        return m_bus.call(message, QDBus::Block, remaining(deadline));
    };
    const QString scripting = QStringLiteral("org.kde.kwin.Scripting");
    // Sent without waiting: KWin handles one caller's messages in order.
    const auto unload = [&] {
        m_bus.send(QDBusMessage::createMethodCall(kService, QStringLiteral("/Scripting"), scripting,
                                                  QStringLiteral("unloadScript"))
                   << m_pluginName);
    };
    unload(); // a script whose loading timed out may still hold the name
    // KWin frees an unloaded script only later. Until then it holds the name, and KWin 5, which
    // numbers scripts by their count, would give the new one the old one's D-Bus path.
    const auto loaded = [&] {
        const QDBusReply<bool> r = call(QStringLiteral("/Scripting"), scripting,
                                        QStringLiteral("isScriptLoaded"), {m_pluginName});
        return r.isValid() && r.value();
    };
    while (loaded()) {
        if (deadline.hasExpired())
            return false;
        QThread::msleep(2);
    }
    // KWin numbers a script by the count of those loaded: once another client has unloaded one,
    // ours may get the number, and so the D-Bus path, of a script still loaded. The paths taken
    // are read first; on such a clash start() runs ours, as every script not yet running.
    const auto children = [&](const QString& parent, const QString& prefix) {
        static const QRegularExpression kNode(QStringLiteral("<node name=\"(\\w+)\""));
        const QDBusReply<QString> xml =
            call(parent, QStringLiteral("org.freedesktop.DBus.Introspectable"),
                 QStringLiteral("Introspect"), {});
        QStringList paths;
        for (const auto& node : kNode.globalMatch(xml.isValid() ? xml.value() : QString()))
            paths << prefix + node.captured(1);
        return paths;
    };
    const QStringList taken = children(QStringLiteral("/"), QStringLiteral("/")) +
                              children(QStringLiteral("/Scripting"), QStringLiteral("/Scripting/"));
    const QDBusReply<int> id = call(QStringLiteral("/Scripting"), scripting,
                                    QStringLiteral("loadScript"), {path, m_pluginName});
    if (!id.isValid() || id.value() < 0)
        return false;
    // KWin 5 puts the script at /<id>, KWin 6 at /Scripting/Script<id>.
    const QString kwin5 = QStringLiteral("/%1").arg(id.value());
    const QString kwin6 = QStringLiteral("/Scripting/Script%1").arg(id.value());
    const QString script = QStringLiteral("org.kde.kwin.Script");
    const QString run = QStringLiteral("run");
    if (taken.contains(kwin5) || taken.contains(kwin6))
        call(QStringLiteral("/Scripting"), scripting, QStringLiteral("start"), {});
    else if (call(kwin5, script, run, {}).type() == QDBusMessage::ErrorMessage)
        call(kwin6, script, run, {});

    if (!m_reply && !deadline.hasExpired()) {
        QEventLoop loop;
        QTimer::singleShot(remaining(deadline), &loop, &QEventLoop::quit);
        connect(this, &KWinWindowList::replied, &loop, &QEventLoop::quit);
        // The scan runs to its end before the user's next click is served.
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    }
    unload();
    return m_reply.has_value();
}

std::vector<DesktopWindow> KWinWindowList::topLevelWindows() {
    if (!m_registered || !m_folder.isValid())
        return {};
    ++m_serial;
    m_reply.reset();
    if (!runScript(kTimeoutMs))
        return {};
    auto windows = parseWindowRecords(m_reply->toStdString());
    m_reply.reset();
    if (!windows)
        return {};
    return toDesktopWindows(std::move(*windows),
                            OwnWindows{static_cast<std::uint32_t>(getpid()), {}});
}

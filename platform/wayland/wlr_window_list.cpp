#include "platform/wayland/wlr_window_list.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <poll.h>
#include <wayland-client.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <list>

#include "base/utf.h"
#include "platform/wayland/compositor_windows.h"
#include "wlr-foreign-toplevel-management-unstable-v1-client-protocol.h"

namespace {

constexpr auto kTimeout = std::chrono::milliseconds(1000);
constexpr std::uint32_t kManagerVersion = 3;

template <typename T, void (*Destroy)(T*)> struct Deleter {
    void operator()(T* p) const {
        if (p)
            Destroy(p);
    }
};
using DisplayPtr = std::unique_ptr<wl_display, Deleter<wl_display, wl_display_disconnect>>;
using RegistryPtr = std::unique_ptr<wl_registry, Deleter<wl_registry, wl_registry_destroy>>;
using ManagerPtr = std::unique_ptr<
    zwlr_foreign_toplevel_manager_v1,
    Deleter<zwlr_foreign_toplevel_manager_v1, zwlr_foreign_toplevel_manager_v1_destroy>>;
using HandlePtr = std::unique_ptr<
    zwlr_foreign_toplevel_handle_v1,
    Deleter<zwlr_foreign_toplevel_handle_v1, zwlr_foreign_toplevel_handle_v1_destroy>>;
using CallbackPtr = std::unique_ptr<wl_callback, Deleter<wl_callback, wl_callback_destroy>>;

struct Toplevel {
    HandlePtr handle;
    std::string appId;
    std::string title;
    bool activated = false;
    std::uint64_t activatedAt = 0; // 0: not activated since the connection opened
    std::int64_t announced = 0;    // falls with each announcement
};

} // namespace

struct WlrWindowList::Session {
    DisplayPtr display;
    RegistryPtr registry;
    ManagerPtr manager;
    std::list<Toplevel> toplevels; // stable addresses: each is its handle's listener data
    std::uint64_t activations = 0;
    std::int64_t announcements = 0;
    std::unique_ptr<QSocketNotifier> notifier;

    // Handles what the compositor has sent. With `done`, waits until it is set or the deadline
    // passes; without, reads only what is there. False when the connection is unusable.
    bool pump(std::chrono::steady_clock::time_point deadline, const bool* done) {
        wl_display* d = display.get();
        for (;;) {
            while (wl_display_prepare_read(d) != 0) {
                if (wl_display_dispatch_pending(d) < 0)
                    return false;
            }
            if (done && *done) {
                wl_display_cancel_read(d);
                return true;
            }
            wl_display_flush(d);
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                deadline - std::chrono::steady_clock::now());
            pollfd fd{wl_display_get_fd(d), POLLIN, 0};
            const int ready = poll(&fd, 1, done ? std::max<int>(0, left.count()) : 0);
            if (ready < 0 && errno == EINTR) {
                wl_display_cancel_read(d);
                continue;
            }
            if (ready <= 0) {
                wl_display_cancel_read(d);
                return !done && ready == 0;
            }
            if (wl_display_read_events(d) < 0)
                return false;
            if (!done)
                return wl_display_dispatch_pending(d) >= 0;
        }
    }

    // Every request so far answered, within the deadline.
    bool roundtrip(std::chrono::steady_clock::time_point deadline) {
        bool done = false;
        static const wl_callback_listener kListener = {
            [](void* data, wl_callback*, std::uint32_t) { *static_cast<bool*>(data) = true; }};
        CallbackPtr callback(wl_display_sync(display.get()));
        wl_callback_add_listener(callback.get(), &kListener, &done);
        return pump(deadline, &done);
    }

    static void onGlobal(void* data, wl_registry* registry, std::uint32_t name,
                         const char* interface, std::uint32_t version) {
        auto* s = static_cast<Session*>(data);
        if (s->manager || std::strcmp(interface, zwlr_foreign_toplevel_manager_v1_interface.name))
            return;
        s->manager.reset(static_cast<zwlr_foreign_toplevel_manager_v1*>(
            wl_registry_bind(registry, name, &zwlr_foreign_toplevel_manager_v1_interface,
                             std::min(version, kManagerVersion))));
        static const zwlr_foreign_toplevel_manager_v1_listener kListener = {onToplevel, onFinished};
        zwlr_foreign_toplevel_manager_v1_add_listener(s->manager.get(), &kListener, s);
    }

    static void onToplevel(void* data, zwlr_foreign_toplevel_manager_v1*,
                           zwlr_foreign_toplevel_handle_v1* handle) {
        auto* s = static_cast<Session*>(data);
        Toplevel& t = s->toplevels.emplace_back();
        t.handle.reset(handle);
        // Announced newest first at the start: the first one ranks highest until activations
        // say otherwise.
        t.announced = --s->announcements;
        zwlr_foreign_toplevel_handle_v1_add_listener(handle, &kHandleListener, s);
    }

    static void onFinished(void* data, zwlr_foreign_toplevel_manager_v1*) {
        static_cast<Session*>(data)->manager.reset(); // the compositor stopped listing
    }

    Toplevel* find(zwlr_foreign_toplevel_handle_v1* handle) {
        auto it = std::find_if(toplevels.begin(), toplevels.end(),
                               [&](const Toplevel& t) { return t.handle.get() == handle; });
        return it == toplevels.end() ? nullptr : &*it;
    }

    static void onTitle(void* data, zwlr_foreign_toplevel_handle_v1* h, const char* title) {
        if (Toplevel* t = static_cast<Session*>(data)->find(h))
            t->title = title;
    }
    static void onAppId(void* data, zwlr_foreign_toplevel_handle_v1* h, const char* appId) {
        if (Toplevel* t = static_cast<Session*>(data)->find(h))
            t->appId = appId;
    }
    static void onState(void* data, zwlr_foreign_toplevel_handle_v1* h, wl_array* states) {
        auto* s = static_cast<Session*>(data);
        Toplevel* t = s->find(h);
        if (!t)
            return;
        const auto* begin = static_cast<const std::uint32_t*>(states->data);
        const auto* end = begin + states->size / sizeof(std::uint32_t);
        const auto has = [&](std::uint32_t state) { return std::find(begin, end, state) != end; };
        const bool activated = has(ZWLR_FOREIGN_TOPLEVEL_HANDLE_V1_STATE_ACTIVATED);
        if (activated && !t->activated)
            t->activatedAt = ++s->activations;
        t->activated = activated;
    }
    static void onClosed(void* data, zwlr_foreign_toplevel_handle_v1* h) {
        static_cast<Session*>(data)->toplevels.remove_if(
            [&](const Toplevel& t) { return t.handle.get() == h; });
    }
    static void onOutput(void*, zwlr_foreign_toplevel_handle_v1*, wl_output*) {}
    static void onDone(void*, zwlr_foreign_toplevel_handle_v1*) {}
    static void onParent(void*, zwlr_foreign_toplevel_handle_v1*,
                         zwlr_foreign_toplevel_handle_v1*) {}

    static constexpr zwlr_foreign_toplevel_handle_v1_listener kHandleListener = {
        onTitle, onAppId, onOutput, onOutput, onState, onDone, onClosed, onParent};

    ~Session() {
        notifier.reset();
        toplevels.clear();
        manager.reset();
        registry.reset();
    }
};

WlrWindowList::WlrWindowList() {
    connect();
}

WlrWindowList::~WlrWindowList() = default;

void WlrWindowList::connect() {
    m_session.reset();
    auto s = std::make_unique<Session>();
    s->display.reset(wl_display_connect(nullptr));
    if (!s->display)
        return;
    s->registry.reset(wl_display_get_registry(s->display.get()));
    static const wl_registry_listener kListener = {Session::onGlobal,
                                                   [](void*, wl_registry*, std::uint32_t) {}};
    wl_registry_add_listener(s->registry.get(), &kListener, s.get());
    const auto deadline = std::chrono::steady_clock::now() + kTimeout;
    // The globals, then the windows the manager announces on binding.
    if (!s->roundtrip(deadline) || !s->manager || !s->roundtrip(deadline))
        return;
    if (QCoreApplication::instance()) {
        // Keep reading between scans so the compositor's buffer for us never fills up.
        s->notifier = std::make_unique<QSocketNotifier>(wl_display_get_fd(s->display.get()),
                                                        QSocketNotifier::Read);
        Session* raw = s.get();
        QObject::connect(s->notifier.get(), &QSocketNotifier::activated, [raw] {
            if (!raw->pump({}, nullptr))
                raw->notifier->setEnabled(false); // hung up: the next scan sees it
        });
    }
    m_session = std::move(s);
}

bool WlrWindowList::available() const {
    return m_session && m_session->manager;
}

std::vector<DesktopWindow> WlrWindowList::topLevelWindows() {
    // A compositor that restarted gets a new connection.
    if (!available())
        connect();
    if (!available())
        return {};
    if (!m_session->roundtrip(std::chrono::steady_clock::now() + kTimeout)) {
        m_session.reset(); // dead or hung: the next scan connects again
        return {};
    }
    std::vector<CompositorWindow> windows;
    windows.reserve(m_session->toplevels.size());
    for (const Toplevel& t : m_session->toplevels) {
        CompositorWindow w;
        w.appId = t.appId;
        w.title = decodeUtf8(t.title);
        w.order = static_cast<std::int64_t>(t.activatedAt << 32) + t.announced;
        windows.push_back(std::move(w));
    }
    // XWayland windows carry their X11 class as app id; the program's own is one of these.
    return toDesktopWindows(std::move(windows),
                            OwnWindows{0, {"zeitfang", "Zeitfang", "de.orvikwerk.zeitfang"}});
}

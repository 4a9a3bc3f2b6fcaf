#include "platform/linux/x11_window_list.h"

#include <pthread.h>
#include <signal.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <optional>
#include <span>
#include <string_view>
#include <utility>

#include "base/utf.h"

namespace {

struct FreeDeleter {
    void operator()(void* p) const { std::free(p); }
};
template <typename T> using Reply = std::unique_ptr<T, FreeDeleter>;

struct DisconnectDeleter {
    void operator()(xcb_connection_t* c) const { xcb_disconnect(c); }
};
using ConnectionPtr = std::unique_ptr<xcb_connection_t, DisconnectDeleter>;

enum Atom : std::size_t {
    NetSupportingWmCheck,
    NetClientListStacking,
    WmState,
    NetWmWindowType,
    // The window types EWMH defines, contiguous so one range test tells them apart from
    // private ones.
    TypeDesktop,
    TypeDock,
    TypeToolbar,
    TypeMenu,
    TypeUtility,
    TypeSplash,
    TypeDialog,
    TypeDropdownMenu,
    TypePopupMenu,
    TypeTooltip,
    TypeNotification,
    TypeCombo,
    TypeDnd,
    TypeNormal,
    MotifWmHints,
    GtkFrameExtents,
    GtkHideTitlebarWhenMaximized,
    NetWmName,
    WmName,
    Utf8String,
    String,
    AtomCount
};

constexpr std::array<const char*, AtomCount> kAtomNames = {
    "_NET_SUPPORTING_WM_CHECK",
    "_NET_CLIENT_LIST_STACKING",
    "WM_STATE",
    "_NET_WM_WINDOW_TYPE",
    "_NET_WM_WINDOW_TYPE_DESKTOP",
    "_NET_WM_WINDOW_TYPE_DOCK",
    "_NET_WM_WINDOW_TYPE_TOOLBAR",
    "_NET_WM_WINDOW_TYPE_MENU",
    "_NET_WM_WINDOW_TYPE_UTILITY",
    "_NET_WM_WINDOW_TYPE_SPLASH",
    "_NET_WM_WINDOW_TYPE_DIALOG",
    "_NET_WM_WINDOW_TYPE_DROPDOWN_MENU",
    "_NET_WM_WINDOW_TYPE_POPUP_MENU",
    "_NET_WM_WINDOW_TYPE_TOOLTIP",
    "_NET_WM_WINDOW_TYPE_NOTIFICATION",
    "_NET_WM_WINDOW_TYPE_COMBO",
    "_NET_WM_WINDOW_TYPE_DND",
    "_NET_WM_WINDOW_TYPE_NORMAL",
    "_MOTIF_WM_HINTS",
    "_GTK_FRAME_EXTENTS",
    "_GTK_HIDE_TITLEBAR_WHEN_MAXIMIZED",
    "_NET_WM_NAME",
    "WM_NAME",
    "UTF8_STRING",
    "STRING",
};

using AtomTable = std::array<xcb_atom_t, AtomCount>;

// Lengths are in 32-bit units. Titles of a few hundred thousand characters still fit; the
// stacking list must never be cut, since its end is the top of the stack.
constexpr std::uint32_t kTitleLength = 1u << 18;
constexpr std::uint32_t kWindowListLength = 1u << 20;
constexpr std::uint32_t kWithdrawnState = 0; // ICCCM WM_STATE
constexpr std::uint32_t kNormalState = 1;
constexpr std::uint32_t kIconicState = 3;
constexpr std::uint32_t kMotifDecorationsFlag = 2; // MWM_HINTS_DECORATIONS
// Frames of reparenting window managers nest the client one or two levels deep.
constexpr int kClientSearchDepth = 3;
constexpr std::size_t kFirstBatch = 16; // windows described in the first round trip

// libxcb notices a hang-up by reading before it writes, but a server that dies between the two
// makes the write raise SIGPIPE, whose default action ends the process. Keep it blocked while
// talking to the server and drop what it left pending.
class SigpipeBlock {
  public:
    SigpipeBlock() {
        sigemptyset(&m_pipe);
        sigaddset(&m_pipe, SIGPIPE);
        sigset_t pending;
        sigpending(&pending);
        m_wasPending = sigismember(&pending, SIGPIPE) == 1;
        pthread_sigmask(SIG_BLOCK, &m_pipe, &m_previous);
    }
    ~SigpipeBlock() {
        sigset_t pending;
        sigpending(&pending);
        if (!m_wasPending && sigismember(&pending, SIGPIPE) == 1) {
            const timespec noWait{};
            sigtimedwait(&m_pipe, nullptr, &noWait);
        }
        pthread_sigmask(SIG_SETMASK, &m_previous, nullptr);
    }
    SigpipeBlock(const SigpipeBlock&) = delete;
    SigpipeBlock& operator=(const SigpipeBlock&) = delete;

  private:
    sigset_t m_pipe{};
    sigset_t m_previous{};
    bool m_wasPending = false;
};

// Null when the request failed (BadWindow for a window that vanished) or the connection broke;
// then *failed is set.
template <typename T, typename Cookie>
Reply<T> takeReply(T* (*fetch)(xcb_connection_t*, Cookie, xcb_generic_error_t**),
                   xcb_connection_t* c, Cookie cookie, bool* failed = nullptr) {
    xcb_generic_error_t* error = nullptr;
    Reply<T> reply(fetch(c, cookie, &error));
    std::free(error);
    if (!reply && failed)
        *failed = true;
    return reply;
}

class Property {
  public:
    Property() = default;
    explicit Property(Reply<xcb_get_property_reply_t> reply) : m_reply(std::move(reply)) {}

    bool present() const { return m_reply && m_reply->type != XCB_NONE; }
    xcb_atom_t type() const { return m_reply ? m_reply->type : XCB_NONE; }

    std::span<const std::uint32_t> values32() const {
        if (!m_reply || m_reply->format != 32)
            return {};
        const auto* data = static_cast<const std::uint32_t*>(xcb_get_property_value(m_reply.get()));
        return {data, static_cast<std::size_t>(xcb_get_property_value_length(m_reply.get())) / 4};
    }

    std::optional<std::string_view> text() const {
        if (!present() || m_reply->format != 8)
            return std::nullopt;
        const auto* data = static_cast<const char*>(xcb_get_property_value(m_reply.get()));
        return std::string_view(data, xcb_get_property_value_length(m_reply.get()));
    }

  private:
    Reply<xcb_get_property_reply_t> m_reply;
};

struct Session {
    xcb_connection_t* c;
    xcb_window_t root;
    const AtomTable& atoms;

    xcb_get_property_cookie_t request(xcb_window_t window, Atom atom, std::uint32_t length) const {
        return xcb_get_property(c, 0, window, atoms[atom], XCB_GET_PROPERTY_TYPE_ANY, 0, length);
    }
    Property take(xcb_get_property_cookie_t cookie, bool* failed = nullptr) const {
        return Property(takeReply(xcb_get_property_reply, c, cookie, failed));
    }
};

// The managed windows, top first, when a window manager runs and keeps the EWMH list.
std::optional<std::vector<xcb_window_t>> wmClientsTopFirst(const Session& s) {
    const auto checkCookie = s.request(s.root, NetSupportingWmCheck, 1);
    const auto stackingCookie = s.request(s.root, NetClientListStacking, kWindowListLength);
    const Property check = s.take(checkCookie);
    const Property stacking = s.take(stackingCookie);
    if (check.values32().empty())
        return std::nullopt;
    // A window manager that has exited leaves the root properties behind; only a live check
    // window names itself.
    const xcb_window_t checkWindow = check.values32()[0];
    const Property self = s.take(s.request(checkWindow, NetSupportingWmCheck, 1));
    if (self.values32().empty() || self.values32()[0] != checkWindow)
        return std::nullopt;
    if (stacking.type() != XCB_ATOM_WINDOW)
        return std::nullopt;
    const auto bottomFirst = stacking.values32();
    return std::vector<xcb_window_t>(bottomFirst.rbegin(), bottomFirst.rend());
}

// ICCCM marks a client by WM_STATE; it is the top-level itself or, inside a frame, a
// descendant. Searched a level at a time, each level one round trip for all windows.
std::vector<xcb_window_t> findClients(const Session& s, const std::vector<xcb_window_t>& tops) {
    std::vector<xcb_window_t> clients(tops.size(), XCB_NONE);
    std::vector<std::vector<xcb_window_t>> level(tops.size());
    for (std::size_t i = 0; i < tops.size(); ++i)
        level[i].push_back(tops[i]);

    struct Probe {
        std::size_t top;
        xcb_window_t window;
        xcb_get_property_cookie_t state;
        std::optional<xcb_query_tree_cookie_t> tree;
    };
    for (int depth = 0; depth <= kClientSearchDepth; ++depth) {
        std::vector<Probe> probes;
        for (std::size_t i = 0; i < tops.size(); ++i) {
            for (const xcb_window_t w : level[i]) {
                Probe probe{i, w, s.request(w, WmState, 0), std::nullopt};
                if (depth < kClientSearchDepth)
                    probe.tree = xcb_query_tree(s.c, w);
                probes.push_back(probe);
            }
            level[i].clear();
        }
        if (probes.empty())
            break;
        for (const Probe& probe : probes) {
            const Property state = s.take(probe.state);
            Reply<xcb_query_tree_reply_t> tree;
            if (probe.tree)
                tree = takeReply(xcb_query_tree_reply, s.c, *probe.tree);
            if (clients[probe.top] != XCB_NONE)
                continue;
            if (state.present()) {
                clients[probe.top] = probe.window;
                level[probe.top].clear();
            } else if (tree) {
                const xcb_window_t* children = xcb_query_tree_children(tree.get());
                level[probe.top].insert(level[probe.top].end(), children,
                                        children + xcb_query_tree_children_length(tree.get()));
            }
        }
    }
    for (std::size_t i = 0; i < tops.size(); ++i) {
        if (clients[i] == XCB_NONE)
            clients[i] = tops[i];
    }
    return clients;
}

// Without a window manager: the root's children, top first, each mapped to its client.
std::vector<xcb_window_t> treeClientsTopFirst(const Session& s) {
    const auto tree = takeReply(xcb_query_tree_reply, s.c, xcb_query_tree(s.c, s.root));
    if (!tree)
        return {};
    const xcb_window_t* children = xcb_query_tree_children(tree.get());
    const int count = xcb_query_tree_children_length(tree.get());
    std::vector<xcb_window_t> tops;
    tops.reserve(count);
    for (int i = count - 1; i >= 0; --i)
        tops.push_back(children[i]);
    return findClients(s, tops);
}

// ICCCM WM_STATE: Normal or Iconic while a window manager has the window, Withdrawn or none
// once its client has unmapped it.
bool isNormalOrIconic(const Property& wmState) {
    const auto state = wmState.values32(); // state, icon window
    return !state.empty() && (state[0] == kNormalState || state[0] == kIconicState);
}

bool isWithdrawn(const Property& wmState) {
    const auto state = wmState.values32();
    return !state.empty() && state[0] == kWithdrawnState;
}

// Visible as Windows means it: a minimised window keeps the bit, and so does one on another
// workspace. Only a window its client has withdrawn (unmapped) is not visible. A window manager
// lists exactly the windows it manages; without one, a window is visible while it is mapped or
// while a window manager that has gone left it Normal or Iconic.
bool isVisible(const xcb_get_window_attributes_reply_t& attributes, const Property& wmState,
               bool managedByWm) {
    if (managedByWm)
        return !isWithdrawn(wmState);
    return attributes.map_state == XCB_MAP_STATE_VIEWABLE || isNormalOrIconic(wmState);
}

// EWMH: the first type the reader knows counts; a window without one is a normal window.
bool isNormalOrDialog(const Property& types, const AtomTable& atoms) {
    if (types.type() != XCB_ATOM_ATOM)
        return true;
    for (const std::uint32_t a : types.values32()) {
        for (std::size_t known = TypeDesktop; known <= TypeNormal; ++known) {
            if (a == atoms[known])
                return known == TypeNormal || known == TypeDialog;
        }
    }
    return true;
}

bool windowManagerDrawsFrame(const Property& motifHints) {
    const auto hints = motifHints.values32(); // flags, functions, decorations, ...
    if (hints.size() < 3)
        return true;
    return (hints[0] & kMotifDecorationsFlag) == 0 || hints[2] != 0;
}

// _GTK_FRAME_EXTENTS gives the shadow around a frame the client draws itself (GTK header
// bars, Chromium). Chromium deletes it while maximized, when there is no shadow, but keeps
// _GTK_HIDE_TITLEBAR_WHEN_MAXIMIZED, which it sets exactly when it draws its own title bar.
bool clientDrawsFrame(const Property& frameExtents, const Property& hideTitlebar) {
    const auto hide = hideTitlebar.values32();
    return frameExtents.present() || (!hide.empty() && hide[0] != 0);
}

struct Decoded {
    std::u32string text;
    bool valid = false;
};

Decoded decodeWmName(const Property& wmName, const AtomTable& atoms) {
    const auto bytes = wmName.text();
    if (!bytes)
        return {};
    if (wmName.type() == atoms[String])
        return {decodeLatin1(*bytes), true};
    Decoded utf8;
    utf8.text = decodeUtf8(*bytes, &utf8.valid);
    if (wmName.type() == atoms[Utf8String] || utf8.valid)
        return utf8;
    // COMPOUND_TEXT and the like: ASCII and Latin-1 pass through as they are; the rest is a guess.
    return {decodeLatin1(*bytes), false};
}

std::u32string titleOf(const Property& netWmName, const Property& wmName, const AtomTable& atoms) {
    const auto utf8 = netWmName.text();
    if (!utf8)
        return decodeWmName(wmName, atoms).text;
    bool valid = false;
    std::u32string title = decodeUtf8(*utf8, &valid);
    if (valid)
        return title;
    Decoded fallback = decodeWmName(wmName, atoms);
    return fallback.valid ? std::move(fallback.text) : title;
}

enum WindowProperty : std::size_t {
    WmStateProperty,
    TypeProperty,
    MotifProperty,
    FrameExtentsProperty,
    HideTitlebarProperty,
    NetWmNameProperty,
    WmNameProperty,
    PropertyCount
};

struct PropertyRequest {
    Atom atom;
    std::uint32_t length;
};

constexpr std::array<PropertyRequest, PropertyCount> kPropertyRequests = {{
    {WmState, 2},
    {NetWmWindowType, 64},
    {MotifWmHints, 5},
    {GtkFrameExtents, 4},
    {GtkHideTitlebarWhenMaximized, 1},
    {NetWmName, kTitleLength},
    {WmName, kTitleLength},
}};

std::vector<DesktopWindow> describe(const Session& s, const std::vector<xcb_window_t>& windows,
                                    bool managedByWm) {
    struct Requests {
        xcb_get_window_attributes_cookie_t attributes;
        std::array<xcb_get_property_cookie_t, PropertyCount> properties;
    };
    std::vector<Requests> requests(windows.size());
    for (std::size_t i = 0; i < windows.size(); ++i) {
        requests[i].attributes = xcb_get_window_attributes(s.c, windows[i]);
        for (std::size_t p = 0; p < PropertyCount; ++p)
            requests[i].properties[p] =
                s.request(windows[i], kPropertyRequests[p].atom, kPropertyRequests[p].length);
    }

    std::vector<DesktopWindow> result;
    result.reserve(windows.size());
    for (std::size_t i = 0; i < windows.size(); ++i) {
        bool failed = false;
        const auto attributes =
            takeReply(xcb_get_window_attributes_reply, s.c, requests[i].attributes, &failed);
        std::array<Property, PropertyCount> p;
        for (std::size_t k = 0; k < PropertyCount; ++k)
            p[k] = s.take(requests[i].properties[k], &failed);
        if (failed)
            continue; // gone while the scan ran

        const bool visible = isVisible(*attributes, p[WmStateProperty], managedByWm);
        const bool managed = managedByWm || !attributes->override_redirect;
        const bool bordered = managed && isNormalOrDialog(p[TypeProperty], s.atoms) &&
                              (windowManagerDrawsFrame(p[MotifProperty]) ||
                               clientDrawsFrame(p[FrameExtentsProperty], p[HideTitlebarProperty]));

        DesktopWindow window;
        window.handle = windows[i];
        window.style = (visible ? kStyleVisible : 0) | (bordered ? kStyleBorder : 0);
        window.title = titleOf(p[NetWmNameProperty], p[WmNameProperty], s.atoms);
        result.push_back(std::move(window));
    }
    return result;
}

} // namespace

struct X11WindowList::Connection {
    ConnectionPtr xcb;
    xcb_window_t root = XCB_NONE;
    AtomTable atoms{};
};

X11WindowList::X11WindowList() : X11WindowList(std::string()) {}

X11WindowList::X11WindowList(const std::string& displayName)
    : m_connection(std::make_unique<Connection>()) {
    const SigpipeBlock quiet;
    int screenNumber = 0;
    m_connection->xcb.reset(
        xcb_connect(displayName.empty() ? nullptr : displayName.c_str(), &screenNumber));
    xcb_connection_t* c = m_connection->xcb.get();
    if (xcb_connection_has_error(c))
        return;

    auto screens = xcb_setup_roots_iterator(xcb_get_setup(c));
    for (int i = 0; i < screenNumber && screens.rem > 0; ++i)
        xcb_screen_next(&screens);
    if (screens.rem <= 0)
        return;

    std::array<xcb_intern_atom_cookie_t, AtomCount> cookies{};
    for (std::size_t i = 0; i < AtomCount; ++i)
        cookies[i] = xcb_intern_atom(c, 0, std::strlen(kAtomNames[i]), kAtomNames[i]);
    bool failed = false;
    for (std::size_t i = 0; i < AtomCount; ++i) {
        const auto reply = takeReply(xcb_intern_atom_reply, c, cookies[i], &failed);
        m_connection->atoms[i] = reply ? reply->atom : XCB_NONE;
    }
    if (!failed)
        m_connection->root = screens.data->root;
}

X11WindowList::~X11WindowList() = default;

std::vector<DesktopWindow> X11WindowList::topLevelWindows() {
    std::vector<DesktopWindow> windows;
    examineTopLevelWindows([&](const DesktopWindow& w) {
        windows.push_back(w);
        return true;
    });
    // A connection that broke half-way leaves a partial list that would mislead.
    if (xcb_connection_has_error(m_connection->xcb.get()))
        return {};
    return windows;
}

void X11WindowList::examineTopLevelWindows(
    const std::function<bool(const DesktopWindow&)>& examine) {
    xcb_connection_t* c = m_connection->xcb.get();
    if (m_connection->root == XCB_NONE || xcb_connection_has_error(c))
        return;
    const SigpipeBlock quiet;
    const Session session{c, m_connection->root, m_connection->atoms};

    const std::optional<std::vector<xcb_window_t>> managed = wmClientsTopFirst(session);
    const std::vector<xcb_window_t> clients = managed ? *managed : treeClientsTopFirst(session);
    // A batch at a time, each one round trip and twice the one before: the auction's window
    // usually lies near the top, and the walk stops there.
    std::size_t batch = kFirstBatch;
    for (std::size_t from = 0; from < clients.size(); from += batch, batch *= 2) {
        const auto first = clients.begin() + static_cast<std::ptrdiff_t>(from);
        const auto last =
            clients.begin() + static_cast<std::ptrdiff_t>(std::min(clients.size(), from + batch));
        const std::vector<DesktopWindow> described =
            describe(session, std::vector<xcb_window_t>(first, last), managed.has_value());
        // A connection that broke half-way gives answers that would mislead.
        if (xcb_connection_has_error(c))
            return;
        for (const DesktopWindow& w : described) {
            if (!examine(w))
                return;
        }
    }
}

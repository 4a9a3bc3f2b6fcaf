#include "platform/x11_window_attention.h"

#include <QGuiApplication>
#include <xcb/xcb.h>

#include <cstdlib>
#include <memory>
#include <string_view>

namespace {

constexpr std::uint32_t NetWmStateToggle = 2;
constexpr std::uint32_t SourceApplication = 1;

struct FreeDeleter {
    void operator()(void* p) const { std::free(p); }
};
template <typename T> using XcbReply = std::unique_ptr<T, FreeDeleter>;

xcb_atom_t internAtom(xcb_connection_t* c, std::string_view name) {
    const xcb_intern_atom_cookie_t cookie =
        xcb_intern_atom(c, 0, static_cast<std::uint16_t>(name.size()), name.data());
    xcb_generic_error_t* error = nullptr;
    XcbReply<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(c, cookie, &error));
    std::free(error);
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

} // namespace

void X11WindowAttention::FlashWindow(QWidget& window) {
    // The attention state is asked of an X11 window manager; on any other platform (Wayland,
    // offscreen) there is nobody to ask and the call does nothing.
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    QWidget* top = window.window();
    if (!x11 || !top->testAttribute(Qt::WA_WState_Created))
        return;
    xcb_connection_t* c = x11->connection();
    if (!m_wmState || !m_demandsAttention) {
        m_wmState = internAtom(c, "_NET_WM_STATE");
        m_demandsAttention = internAtom(c, "_NET_WM_STATE_DEMANDS_ATTENTION");
        if (!m_wmState || !m_demandsAttention)
            return;
    }
    const auto id = static_cast<xcb_window_t>(top->winId());
    xcb_generic_error_t* error = nullptr;
    XcbReply<xcb_get_geometry_reply_t> geometry(
        xcb_get_geometry_reply(c, xcb_get_geometry(c, id), &error));
    std::free(error);
    if (!geometry)
        return;

    // The window manager owns _NET_WM_STATE of a mapped window; a client asks for a change with
    // a client message to the root window.
    xcb_client_message_event_t event{};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = id;
    event.type = m_wmState;
    event.data.data32[0] = NetWmStateToggle;
    event.data.data32[1] = m_demandsAttention;
    event.data.data32[3] = SourceApplication;
    xcb_send_event(c, 0, geometry->root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&event));
    xcb_flush(c);
}

std::unique_ptr<WindowAttention> makeWindowAttention() {
    return std::make_unique<X11WindowAttention>();
}

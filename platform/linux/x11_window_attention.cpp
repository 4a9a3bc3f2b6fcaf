#include "platform/linux/x11_window_attention.h"

#include <xcb/xcb_icccm.h>

#include <memory>

#include "platform/linux/qt_xcb_connection.h"

namespace {
constexpr std::uint32_t kNetWmStateToggle = 2;
constexpr std::uint32_t kSourceApplication = 1;

// Window managers that read only the ICCCM hint (sway among them) see the urgency flag, which
// the client owns and toggles along with the state it asks the window manager for.
void toggleUrgency(xcb_connection_t* c, xcb_window_t id) {
    xcb_icccm_wm_hints_t hints{};
    xcb_generic_error_t* error = nullptr;
    if (!xcb_icccm_get_wm_hints_reply(c, xcb_icccm_get_wm_hints(c, id), &hints, &error))
        hints = {}; // none set yet
    const XcbReply<xcb_generic_error_t> failed(error);
    hints.flags ^= XCB_ICCCM_WM_HINT_X_URGENCY;
    xcb_icccm_set_wm_hints(c, id, &hints);
}
} // namespace

void X11WindowAttention::toggleAttention(std::uint32_t window) {
    // The attention state is asked of an X11 window manager; on any other platform there is
    // nobody to ask and the call does nothing.
    xcb_connection_t* c = qtXcbConnection();
    if (!c || window == 0)
        return;
    if (!m_wmState || !m_demandsAttention) {
        m_wmState = internAtom(c, "_NET_WM_STATE");
        m_demandsAttention = internAtom(c, "_NET_WM_STATE_DEMANDS_ATTENTION");
        if (!m_wmState || !m_demandsAttention)
            return;
    }
    const auto id = static_cast<xcb_window_t>(window);
    xcb_generic_error_t* error = nullptr;
    const XcbReply<xcb_get_geometry_reply_t> geometry(
        xcb_get_geometry_reply(c, xcb_get_geometry(c, id), &error));
    const XcbReply<xcb_generic_error_t> failed(error);
    if (!geometry)
        return;

    // The window manager owns _NET_WM_STATE of a mapped window; a client asks for a change with
    // a client message to the root window.
    xcb_client_message_event_t event{};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = id;
    event.type = m_wmState;
    event.data.data32[0] = kNetWmStateToggle;
    event.data.data32[1] = m_demandsAttention;
    event.data.data32[3] = kSourceApplication;
    xcb_send_event(c, 0, geometry->root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&event));
    toggleUrgency(c, id);
    xcb_flush(c);
}

std::unique_ptr<WindowAttention> makeWindowAttention() {
    return std::make_unique<X11WindowAttention>();
}

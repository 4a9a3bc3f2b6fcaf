#include "platform/x11_window_title.h"

#include <QGuiApplication>
#include <xcb/xcb.h>

#include <cstdlib>
#include <memory>
#include <string_view>

namespace {

struct FreeDeleter {
    void operator()(void* p) const { std::free(p); }
};

xcb_atom_t internAtom(xcb_connection_t* c, std::string_view name) {
    const xcb_intern_atom_cookie_t cookie =
        xcb_intern_atom(c, 0, static_cast<std::uint16_t>(name.size()), name.data());
    xcb_generic_error_t* error = nullptr;
    std::unique_ptr<xcb_intern_atom_reply_t, FreeDeleter> reply(
        xcb_intern_atom_reply(c, cookie, &error));
    std::free(error);
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

} // namespace

void showEmptyTitle(QWidget& window) {
    // Only X11 has the fallback to undo; other platforms show the empty title as it is.
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    QWidget* top = window.window();
    if (!x11 || !top->testAttribute(Qt::WA_WState_Created))
        return;
    xcb_connection_t* c = x11->connection();
    const xcb_atom_t netWmName = internAtom(c, "_NET_WM_NAME");
    const xcb_atom_t utf8 = internAtom(c, "UTF8_STRING");
    if (!netWmName || !utf8)
        return;
    // Same connection as Qt's own title request, so this one arrives after it.
    const auto id = static_cast<xcb_window_t>(top->winId());
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, id, netWmName, utf8, 8, 0, nullptr);
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, id, XCB_ATOM_WM_NAME, XCB_ATOM_STRING, 8, 0,
                        nullptr);
    xcb_flush(c);
}

#include "platform/linux/qt_xcb_connection.h"

#include <QGuiApplication>

xcb_connection_t* qtXcbConnection() {
    if (!qGuiApp || QGuiApplication::platformName() != QLatin1String("xcb"))
        return nullptr;
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

xcb_atom_t internAtom(xcb_connection_t* c, std::string_view name) {
    const xcb_intern_atom_cookie_t cookie =
        xcb_intern_atom(c, 0, static_cast<std::uint16_t>(name.size()), name.data());
    xcb_generic_error_t* error = nullptr;
    const XcbReply<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(c, cookie, &error));
    const XcbReply<xcb_generic_error_t> failed(error);
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

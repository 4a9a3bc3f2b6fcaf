#include "shell/qt/x11_window_title.h"

#include "platform/linux/qt_xcb_connection.h"

void showEmptyTitle(QWidget& window) {
    // Only X11 has the fallback to undo; other platforms show the empty title as it is.
    xcb_connection_t* c = qtXcbConnection();
    QWidget* top = window.window();
    if (!c || !top->testAttribute(Qt::WA_WState_Created))
        return;
    const xcb_atom_t netWmName = internAtom(c, "_NET_WM_NAME");
    const xcb_atom_t utf8 = internAtom(c, "UTF8_STRING");
    if (!netWmName || !utf8)
        return;
    // On Qt's connection this arrives after Qt's own title, and so replaces it.
    const auto id = static_cast<xcb_window_t>(top->winId());
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, id, netWmName, utf8, 8, 0, nullptr);
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, id, XCB_ATOM_WM_NAME, XCB_ATOM_STRING, 8, 0,
                        nullptr);
    xcb_flush(c);
}

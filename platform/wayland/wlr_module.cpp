// The wlroots window list's module: its one entry, looked up by name when the session needs it.
#include <memory>

#include "platform/wayland/wlr_window_list.h"

extern "C" WindowList* zeitfangNewWlrWindowList() {
    auto list = std::make_unique<WlrWindowList>();
    return list->available() ? list.release() : nullptr;
}

#pragma once

#include <memory>

#include "platform/window_list.h"

// The window list the session offers, chosen once; names it on standard error.
std::unique_ptr<WindowList> makeDesktopWindowList();

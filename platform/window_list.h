#pragma once

#include <vector>

#include "base/desktop_window.h"

class WindowList {
  public:
    virtual ~WindowList() = default;
    // The desktop's top-level windows, the top of the Z-order first. A window that vanishes
    // during the scan is left out; an unreachable display gives an empty list.
    virtual std::vector<DesktopWindow> topLevelWindows() = 0;
};

#pragma once

#include <functional>
#include <vector>

#include "base/desktop_window.h"

class WindowList {
  public:
    virtual ~WindowList() = default;
    // The desktop's top-level windows, the top of the Z-order first. A window that vanishes
    // during the scan is left out; an unreachable display gives an empty list.
    virtual std::vector<DesktopWindow> topLevelWindows() = 0;
    // The same windows handed to `examine` one at a time, top first, until it returns false. A
    // list that reads the windows a batch at a time leaves those below the stop unread.
    virtual void examineTopLevelWindows(const std::function<bool(const DesktopWindow&)>& examine) {
        for (const DesktopWindow& window : topLevelWindows()) {
            if (!examine(window))
                return;
        }
    }
};

#pragma once

#include "platform/window_list.h"

// The top-level windows in Z-order, walked as a classic Windows program walks them.
class Win32WindowList : public WindowList {
  public:
    std::vector<DesktopWindow> topLevelWindows() override;
};

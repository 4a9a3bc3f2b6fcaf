#pragma once

#include <QWidget>

class WindowAttention {
  public:
    virtual ~WindowAttention() = default;
    // Toggles the window's attention state once.
    virtual void FlashWindow(QWidget& window) = 0;
};

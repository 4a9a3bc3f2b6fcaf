#pragma once

#include <cstdint>

class WindowAttention {
  public:
    virtual ~WindowAttention() = default;
    // Toggles the attention state of the window with this id once; 0 (no window yet) does
    // nothing.
    virtual void toggleAttention(std::uint32_t window) = 0;
};

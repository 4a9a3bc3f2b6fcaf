#pragma once

#include <cstdint>
#include <memory>

#include "platform/window_attention.h"

// Toggles _NET_WM_STATE_DEMANDS_ATTENTION through the window manager, which highlights the
// window's title bar and task bar entry while the state is set, and the ICCCM urgency flag of
// WM_HINTS with it.
class X11WindowAttention : public WindowAttention {
  public:
    void toggleAttention(std::uint32_t window) override;

  private:
    std::uint32_t m_wmState = 0;
    std::uint32_t m_demandsAttention = 0;
};

std::unique_ptr<WindowAttention> makeWindowAttention();

#pragma once

#include <memory>

#include "platform/window_list.h"

// The windows of a wlroots compositor (sway, labwc, Wayfire, river, Hyprland) through
// zwlr_foreign_toplevel_manager_v1. The protocol gives no stacking order, so the connection
// stays open and the windows are ordered by when each was last activated: the stacking order of
// a stacking compositor and the focus order of a tiling one.
class WlrWindowList : public WindowList {
  public:
    WlrWindowList(); // the compositor named by $WAYLAND_DISPLAY
    ~WlrWindowList() override;
    WlrWindowList(const WlrWindowList&) = delete;
    WlrWindowList& operator=(const WlrWindowList&) = delete;

    // The compositor offers the protocol.
    bool available() const;
    std::vector<DesktopWindow> topLevelWindows() override;

  private:
    struct Session;
    void connect();
    std::unique_ptr<Session> m_session;
};

// The Wayland module's factory: a list when the compositor offers the protocol, else null.
extern "C" WindowList* zeitfangNewWlrWindowList();

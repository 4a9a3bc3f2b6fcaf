#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/window_list.h"

// The desktop's windows as an X11 client sees them. It keeps an xcb connection of its own so a
// scan never waits on, or disturbs, the toolkit's event handling, and an X error on a vanished
// window stays a per-request answer instead of ending the process.
class X11WindowList : public WindowList {
  public:
    X11WindowList();                                        // the display named by $DISPLAY
    explicit X11WindowList(const std::string& displayName); // empty: $DISPLAY
    ~X11WindowList() override;
    X11WindowList(const X11WindowList&) = delete;
    X11WindowList& operator=(const X11WindowList&) = delete;

    std::vector<DesktopWindow> topLevelWindows() override;
    void examineTopLevelWindows(const std::function<bool(const DesktopWindow&)>& examine) override;

  private:
    struct Connection;
    std::unique_ptr<Connection> m_connection;
};

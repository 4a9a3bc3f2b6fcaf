#pragma once

#include "platform/shell.h"

// The desktop's handler for the address (xdg-open on X11 desktops), started without a shell.
class DesktopShell : public Shell {
  public:
    void open(const QUrl& url) override;
};

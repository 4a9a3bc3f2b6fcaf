#pragma once

#include "platform/shell.h"

// Opens addresses with the desktop's handler (xdg-open), never through a shell.
class DesktopShell : public Shell {
  public:
    void open(const std::string& url) override;
};

#pragma once

#include "platform/shell.h"

// Opens addresses and files with the desktop's handler (xdg-open), never through a shell.
class DesktopShell : public Shell {
  public:
    void open(const std::string& url) override;
    std::string helpFile() const override;
    bool fileExists(const std::string& path) const override;
    void openFile(const std::string& path) override;
};

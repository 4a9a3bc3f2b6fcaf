#pragma once

#include <string>

class Shell {
  public:
    virtual ~Shell() = default;
    // Opens the address (already percent-encoded) in the user's web browser; failures are
    // ignored.
    virtual void open(const std::string& url) = 0;
    // The help shipped with the program, where it lies when installed: on Windows zeitfang.chm
    // in the program's folder.
    virtual std::string helpFile() const = 0;
    virtual bool fileExists(const std::string& path) const = 0;
    // Opens a local file with the desktop's viewer for it; failures are ignored.
    virtual void openFile(const std::string& path) = 0;
};

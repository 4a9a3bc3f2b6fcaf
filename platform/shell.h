#pragma once

#include <string>

class Shell {
  public:
    virtual ~Shell() = default;
    // Opens the address (already percent-encoded) in the user's web browser; failures are
    // ignored.
    virtual void open(const std::string& url) = 0;
};

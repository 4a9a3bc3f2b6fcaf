#pragma once

#include <QUrl>

class Shell {
  public:
    virtual ~Shell() = default;
    // Opens the address in the user's web browser; failures are ignored.
    virtual void open(const QUrl& url) = 0;
};

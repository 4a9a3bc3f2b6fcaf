#pragma once

#include <QObject>

#include "platform/event_wait.h"

// Qt's event loop, served once per call, blocking until events arrive (no busy loop). Notices the
// application's quit request, which a nested wait would otherwise swallow.
class QtEventWait : public QObject, public EventWait {
  public:
    QtEventWait();
    bool serveOnce() override;
    int run() override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    bool m_ending = false;
};

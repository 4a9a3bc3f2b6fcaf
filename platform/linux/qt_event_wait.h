#pragma once

#include <QObject>

#include "platform/event_wait.h"

// Serves Qt's event loop once per call, blocking until events arrive (no busy loop). Notices the
// application's quit request, which a nested wait would otherwise swallow.
class QtEventWait : public QObject, public EventWait {
  public:
    QtEventWait();
    bool serveOnce() override;
    // The application has been asked to quit (its last window closed, say).
    bool ending() const { return m_ending; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    bool m_ending = false;
};

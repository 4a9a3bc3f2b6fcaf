#pragma once

#include "platform/event_wait.h"

// Serves one message of the thread's queue per call, as the main loop would.
class MessageEventWait : public EventWait {
  public:
    bool serveOnce() override;
    int run() override;

  private:
    bool m_ending = false;
};

#pragma once

// Serves the event loop (timer ticks, clicks, transfer states) while a caller waits.
class EventWait {
  public:
    virtual ~EventWait() = default;
    // Waits for the next events and serves them once. False when the application is ending,
    // so a wait can give up.
    virtual bool serveOnce() = 0;
};

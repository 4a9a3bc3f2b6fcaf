#pragma once

// The event loop (timer ticks, clicks, transfer states), served to its end or once while a
// caller waits.
class EventWait {
  public:
    virtual ~EventWait() = default;
    // Waits for the next events and serves them once. False when the application is ending,
    // so a wait can give up.
    virtual bool serveOnce() = 0;
    // Serves events until the application ends; its exit status.
    virtual int run() = 0;
};

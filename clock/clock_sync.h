#pragma once

#include <functional>
#include <string>

#include "platform/event_wait.h"
#include "platform/http_transfer.h"
#include "platform/system_clock.h"
#include "shared/app_settings.h"

// Sets the system clock from the auction server's time page, through the transfer control
// Inet1. Holds the state that SyncClock and Inet1_StateChanged share for the whole run.
// Needs no window: the "-time" mode uses it without one.
class ClockSync {
  public:
    using MessageBox = std::function<void(const std::string& text)>;

    ClockSync(HttpTransfer& inet, SystemClock& clock, EventWait& events,
              const AppSettingsRecord& settings, MessageBox messageBox);

    // Fetches the time page and sets the date and time of day, serving events while it waits for
    // the server and for the clock to be set (ticks and clicks run meanwhile). True when the
    // clock was set. A call while another runs returns false at once and leaves it alone.
    bool SyncClock();                            // NOLINT(readability-identifier-naming)
    void Inet1_StateChanged(std::int16_t State); // NOLINT(readability-identifier-naming)
    // Why the last attempt did not set the clock, as one line for a terminal; empty when it did.
    const std::string& whyNotSet() const { return m_whyNotSet; }
    // The window is closing: a running wait ends at once, and neither its answer nor a message
    // follows, now or later.
    void abandon() { m_abandoned = true; }

    bool SyncPending = false; // NOLINT(readability-identifier-naming)
    // A time of day only.
    DateTime SyncResponseTime; // NOLINT(readability-identifier-naming)

  private:
    bool syncOnce();
    bool setFromPage();
    // Serves events until `busy` is false, the window closes or the application ends (which
    // counts as closing: its session is over, nobody reads a message).
    void serveWhile(const std::function<bool()>& busy);

    HttpTransfer& Inet1; // NOLINT(readability-identifier-naming)
    SystemClock& m_clock;
    EventWait& m_events;
    const AppSettingsRecord& m_settings;
    MessageBox m_messageBox;
    bool m_abandoned = false;
    bool m_running = false;
    std::string m_message; // the success text once an attempt has succeeded; never cleared
    std::string m_whyNotSet;
};

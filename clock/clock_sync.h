#pragma once

#include <QObject>
#include <QString>
#include <functional>

#include "app/logic/app_settings.h"
#include "platform/http_transfer.h"
#include "platform/system_clock.h"

// Sets the system clock from the auction server's time page, through the transfer control
// Inet1. Holds the state that SyncClock and Inet1_StateChanged share for the whole run.
// Needs no window: the "-time" mode uses it without one.
class ClockSync : public QObject {
    Q_OBJECT
  public:
    using MessageBox = std::function<void(const QString& text)>;

    ClockSync(HttpTransfer& inet, SystemClock& clock, const AppSettingsRecord& settings,
              MessageBox messageBox);

    // Fetches the time page, waiting in a nested event loop (ticks and clicks are served
    // meanwhile), and sets the time of day and the date. True when the attempt counted as
    // successful. A call while a request runs returns false at once and leaves it alone.
    bool SyncClock();
    void Inet1_StateChanged(std::int16_t State);
    // The window is closing: a running wait ends at once, and neither its answer nor a message
    // follows, now or later.
    void abandon();

    bool SyncPending = false;
    DateTime SyncResponseTime; // a time of day only

  signals:
    void abandoned();

  private:
    bool setFromPage();

    HttpTransfer& Inet1;
    SystemClock& m_clock;
    const AppSettingsRecord& m_settings;
    MessageBox m_messageBox;
    QString m_message; // the success text once an attempt has succeeded; never cleared
    bool m_abandoned = false;
};

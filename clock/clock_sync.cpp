#include "clock/clock_sync.h"

#include <QEventLoop>
#include <string>

#include "clock/logic/time_page.h"

namespace {
const QString TimePageUrl =
    QStringLiteral("http://" ZEITFANG_TIME_HOST "/aw-cgi/eBayISAPI.dll?TimeShow");
const QString RequestHeaders =
    QStringLiteral("User-Agent: Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)\r\n");
const QString SuccessText = QStringLiteral("Die Systemuhr wurde aktualisiert.");
} // namespace

ClockSync::ClockSync(HttpTransfer& inet, SystemClock& clock, const AppSettingsRecord& settings,
                     MessageBox messageBox)
    : Inet1(inet), m_clock(clock), m_settings(settings), m_messageBox(std::move(messageBox)) {
    connect(&Inet1, &HttpTransfer::StateChanged, this, &ClockSync::Inet1_StateChanged);
}

bool ClockSync::SyncClock() {
    // A second start (another click during the wait) must not disturb the running request.
    if (m_abandoned || Inet1.StillExecuting())
        return false;
    SyncPending = true;
    Inet1.setURL(TimePageUrl);
    Inet1.Execute(Inet1.URL(), RequestHeaders);
    if (Inet1.StillExecuting()) {
        QEventLoop wait;
        connect(&Inet1, &HttpTransfer::finished, &wait, &QEventLoop::quit);
        connect(this, &ClockSync::abandoned, &wait, &QEventLoop::quit);
        // Ends early when the window closes or the application quits: the clock then stays as it
        // is and nothing is shown.
        wait.exec();
        if (m_abandoned || Inet1.StillExecuting())
            return false;
    }
    const bool success = setFromPage();
    if (m_settings.msgonsync != 0 && m_messageBox)
        m_messageBox(m_message);
    return success;
}

bool ClockSync::setFromPage() {
    const std::string page = Inet1.GetChunk(TimePageChunkSize).toLatin1().toStdString();
    const std::optional<DateTime> serverTime = readServerTime(page);
    if (!serverTime)
        return false;
    const ClockSetting setting =
        correctedSetting(*serverTime, correctionSeconds(SyncResponseTime, m_clock.now()));
    // Refusals of the system are ignored: the attempt counts as successful all the same.
    m_clock.setTimeOfDay(setting.timeOfDay);
    m_clock.setDate(setting.year, setting.month, setting.day);
    m_message = SuccessText;
    return true;
}

void ClockSync::abandon() {
    m_abandoned = true;
    emit abandoned();
}

void ClockSync::Inet1_StateChanged(std::int16_t State) {
    if (!SyncPending || State != HttpTransfer::icReceivingResponse)
        return;
    SyncResponseTime = DateTime{timeOfDay(m_clock.now())};
    SyncPending = false;
}

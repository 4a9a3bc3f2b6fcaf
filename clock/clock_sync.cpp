#include "clock/clock_sync.h"

#include "clock/time_page.h"

namespace {
const std::string kTimePageUrl = "http://" ZEITFANG_TIME_HOST "/aw-cgi/eBayISAPI.dll?TimeShow";
const std::string kRequestHeaders =
    "User-Agent: Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)\r\n";
const std::string kSuccessText = "Die Systemuhr wurde aktualisiert.";
} // namespace

ClockSync::ClockSync(HttpTransfer& inet, SystemClock& clock, EventWait& events,
                     const AppSettingsRecord& settings, MessageBox messageBox)
    : Inet1(inet), m_clock(clock), m_events(events), m_settings(settings),
      m_messageBox(std::move(messageBox)) {
    Inet1.setStateChanged([this](std::int16_t state) { Inet1_StateChanged(state); });
}

bool ClockSync::SyncClock() {
    // A second start (another click during the wait for the server or for the clock to be set)
    // must not disturb the running one.
    if (m_abandoned || m_running)
        return false;
    m_running = true;
    const bool set = syncOnce();
    m_running = false;
    return set;
}

bool ClockSync::syncOnce() {
    SyncPending = true;
    Inet1.setUrl(kTimePageUrl);
    Inet1.startGet(Inet1.url(), kRequestHeaders);
    serveWhile([this] { return Inet1.isFetching(); });
    // Ended early when the window closed or the application ended: the clock then stays as it
    // is and nothing is shown.
    if (m_abandoned || Inet1.isFetching())
        return false;
    const bool set = setFromPage();
    if (m_settings.msgonsync != 0 && m_messageBox && !m_abandoned)
        m_messageBox(m_message);
    return set;
}

bool ClockSync::setFromPage() {
    const std::string page = Inet1.readChunk(kTimePageChunkSize);
    const std::optional<DateTime> serverTime = readServerTime(page);
    if (!serverTime)
        return false;
    m_clock.set(correctedSetting(*serverTime, correctionSeconds(SyncResponseTime, m_clock.now())));
    // Asked for a password, the system answers when the user has: the synchronisation lasts
    // until then.
    serveWhile([this] { return m_clock.result() == SystemClock::SetResult::Pending; });
    // A refusal is ignored: the attempt counts as successful all the same.
    m_message = kSuccessText;
    return m_clock.result() == SystemClock::SetResult::Set;
}

void ClockSync::serveWhile(const std::function<bool()>& busy) {
    while (!m_abandoned && busy() && m_events.serveOnce()) {
    }
}

void ClockSync::Inet1_StateChanged(std::int16_t State) { // NOLINT(readability-identifier-naming)
    if (!SyncPending || State != HttpTransfer::kReceivingResponse)
        return;
    SyncResponseTime = DateTime{timeOfDay(m_clock.now())};
    SyncPending = false;
}

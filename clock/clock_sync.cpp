#include "clock/clock_sync.h"

#include "clock/time_page.h"

namespace {
const std::string kTimePageUrl = "http://" ZEITFANG_TIME_HOST "/aw-cgi/eBayISAPI.dll?TimeShow";
const std::string kRequestHeaders =
    "User-Agent: Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)\r\n";
const std::string kSuccessText = "Die Systemuhr wurde aktualisiert.";
const std::string kNotSet = "Zeitfang: Die Systemuhr wurde nicht gestellt: ";

std::string whyNot(SystemClock::SetResult result) {
    using R = SystemClock::SetResult;
    const char* why = "Das System hat die neue Zeit abgelehnt.";
    switch (result) {
    case R::Set:
        return {};
    case R::AutomaticSync:
        why = "Die automatische Zeitsynchronisation ist eingeschaltet.";
        break;
    case R::NotAuthorized:
        why = "Das Passwort wurde abgelehnt oder die Abfrage abgebrochen.";
        break;
    case R::GaveUp:
        why = "timedated hat das Warten auf das Passwort aufgegeben.";
        break;
    case R::NotElevated:
        why = "Dazu braucht Zeitfang Administratorrechte (Eingabeaufforderung als Administrator "
              "starten).";
        break;
    case R::Pending:
    case R::Refused:
        break;
    }
    return kNotSet + why;
}
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
    m_whyNotSet = kNotSet + "Die Zeitseite kam nicht oder zeigte keine Zeit.";
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
    m_clock.set(correctedSetting(*serverTime, correctionSeconds(SyncResponseTime, m_clock.now()),
                                 isSummerTimeWord(page)));
    // Asked for a password, the system answers when the user has: the synchronisation lasts
    // until then.
    serveWhile([this] { return m_clock.result() == SystemClock::SetResult::Pending; });
    if (m_abandoned)
        return false;
    // A refusal is ignored: the attempt counts as successful all the same.
    m_message = kSuccessText;
    m_whyNotSet = whyNot(m_clock.result());
    return m_clock.result() == SystemClock::SetResult::Set;
}

void ClockSync::serveWhile(const std::function<bool()>& busy) {
    while (!m_abandoned && busy()) {
        if (!m_events.serveOnce())
            m_abandoned = true;
    }
}

void ClockSync::Inet1_StateChanged(std::int16_t State) { // NOLINT(readability-identifier-naming)
    if (!SyncPending || State != HttpTransfer::kReceivingResponse)
        return;
    SyncResponseTime = DateTime{timeOfDay(m_clock.now())};
    SyncPending = false;
}

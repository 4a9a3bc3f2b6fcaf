#include "platform/linux/lazy_services.h"

bool LazyTransfer::Execute(const std::string& url, const std::string& requestHeaders) {
    if (!m_real) {
        m_real = m_module.make<HttpTransfer>("zeitfangNewTransfer");
        if (!m_real)
            return false;
        m_real->setStateChanged([this](std::int16_t state) { reportState(state); });
    }
    m_real->setURL(URL());
    return m_real->Execute(url, requestHeaders);
}

void LazySpeaker::Beep(int frequencyHz, int durationMs) {
    if (!m_tried) {
        m_tried = true;
        m_real = m_module.make<Speaker>("zeitfangNewSpeaker");
    }
    if (m_real)
        m_real->Beep(frequencyHz, durationMs);
}

#include "platform/linux/lazy_services.h"

bool LazyTransfer::startGet(const std::string& url, const std::string& requestHeaders) {
    if (!m_real) {
        m_real = m_module.make<HttpTransfer>("zeitfangNewTransfer");
        if (!m_real)
            return false;
        m_real->setStateChanged([this](std::int16_t state) { reportState(state); });
    }
    m_real->setUrl(HttpTransfer::url());
    return m_real->startGet(url, requestHeaders);
}

void LazySpeaker::playTone(int frequencyHz, int durationMs) {
    if (!m_tried) {
        m_tried = true;
        m_real = m_module.make<Speaker>("zeitfangNewSpeaker");
    }
    if (m_real)
        m_real->playTone(frequencyHz, durationMs);
}

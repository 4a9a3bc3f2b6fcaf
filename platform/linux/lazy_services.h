#pragma once

#include <memory>

#include "platform/http_transfer.h"
#include "platform/linux/own_module.h"
#include "platform/speaker.h"

// The transfer on Qt Network, from the network module at the first request. Without the module
// a request fails as an unreachable server would.
class LazyTransfer : public HttpTransfer {
  public:
    bool startGet(const std::string& url, const std::string& requestHeaders) override;
    bool isFetching() const override { return m_real && m_real->isFetching(); }
    std::string readChunk(int size) override { return m_real ? m_real->readChunk(size) : ""; }

  private:
    OwnModule m_module{"libzeitfang_inet.so"};
    std::unique_ptr<HttpTransfer> m_real;
};

// The ALSA speaker, from the sound module at the first tone. Without the module it is silent.
class LazySpeaker : public Speaker {
  public:
    void playTone(int frequencyHz, int durationMs) override;

  private:
    OwnModule m_module{"libzeitfang_sound.so"};
    std::unique_ptr<Speaker> m_real;
    bool m_tried = false;
};

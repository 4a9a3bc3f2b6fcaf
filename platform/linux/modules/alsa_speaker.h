#pragma once

#include <QTimer>
#include <chrono>
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/speaker.h"

struct _snd_pcm;

// Tones as sine waves on ALSA's "default" PCM. The device stays open across the tones of one
// sequence, so they reach it as one stream, and is closed once the event loop has been idle
// for a moment. Without a usable device every call returns at once and says nothing.
class AlsaSpeaker : public Speaker {
  public:
    AlsaSpeaker();
    ~AlsaSpeaker() override;
    void playTone(int frequencyHz, int durationMs) override;

    static constexpr unsigned kSampleRate = 48000;

  private:
    struct PcmCloser {
        void operator()(_snd_pcm* pcm) const;
    };
    using PcmHandle = std::unique_ptr<_snd_pcm, PcmCloser>;

    bool openDevice();
    bool play(const std::vector<std::int16_t>& samples);
    void giveUp(std::chrono::steady_clock::time_point now);

    PcmHandle m_pcm;
    unsigned m_rate = kSampleRate; // what the device accepted, near kSampleRate
    unsigned long m_periodFrames = 0;
    // After a failure the device is left alone for a while, so the rest of a sequence does not
    // pay for a slow failing open again; a device that appears later is found after the pause.
    std::chrono::steady_clock::time_point m_retryAfter{};
    QTimer m_idleClose;
};

// The sound module's factory.
extern "C" Speaker* zeitfangNewSpeaker();

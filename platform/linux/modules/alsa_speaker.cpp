#include "platform/linux/modules/alsa_speaker.h"

#include <alsa/asoundlib.h>

#include <QAbstractEventDispatcher>
#include <algorithm>
#include <thread>

#include "platform/linux/modules/tone_samples.h"

namespace {

using Clock = std::chrono::steady_clock;

// A short period lets a drain end close to the tone's true end on devices that report their
// position once per period; the buffer leaves room for a busy machine.
constexpr unsigned kBufferUs = 40000;
constexpr unsigned kPeriodUs = 5000;
constexpr auto kRetryPause = std::chrono::seconds(5);
// A write that takes this much longer than its tone means a device that does not play.
constexpr auto kStallAllowance = std::chrono::milliseconds(500);
constexpr int kIdleCloseMs = 500;
constexpr int kMaxRecoveries = 3;

// ALSA reports its errors on stderr by default; the countdown must stay quiet without sound.
void silentAlsaError(const char*, int, const char*, int, const char*, ...) {}

} // namespace

void AlsaSpeaker::PcmCloser::operator()(_snd_pcm* pcm) const {
    snd_pcm_close(pcm);
}

AlsaSpeaker::AlsaSpeaker() {
    snd_lib_error_set_handler(silentAlsaError);
    m_idleClose.setSingleShot(true);
    m_idleClose.setInterval(kIdleCloseMs);
    QObject::connect(&m_idleClose, &QTimer::timeout, [this] { m_pcm.reset(); });
}

AlsaSpeaker::~AlsaSpeaker() = default;

void AlsaSpeaker::playTone(int frequencyHz, int durationMs) {
    if (frequencyHz <= 0 || durationMs <= 0)
        return;
    if (!m_pcm) {
        const Clock::time_point now = Clock::now();
        if (now < m_retryAfter)
            return;
        if (!openDevice()) {
            giveUp(now);
            return;
        }
    }
    const std::vector<std::int16_t> samples = toneSamples(frequencyHz, durationMs, m_rate);
    const Clock::time_point toneEnd = Clock::now() + std::chrono::milliseconds(durationMs);
    if (!play(samples) || Clock::now() > toneEnd + kStallAllowance) {
        giveUp(Clock::now());
        return;
    }
    // The stream is not drained: a tone that follows at once joins it without the stream stopping
    // and starting again, which would lengthen every tone by the device's start-up. The call
    // returns when what is still queued has played, but for one period that keeps the stream
    // running until the next tone's samples arrive.
    snd_pcm_sframes_t queued = 0;
    if (snd_pcm_delay(m_pcm.get(), &queued) < 0)
        queued = 0;
    const auto stillPlaying = std::chrono::microseconds(
        std::max<snd_pcm_sframes_t>(0, queued - static_cast<snd_pcm_sframes_t>(m_periodFrames)) *
        1000000 / m_rate);
    // A sink that takes samples faster than it plays them (a file, say) reports nothing queued;
    // the tone still lasts its duration, as the countdown relies on.
    std::this_thread::sleep_until(std::max(Clock::now() + stillPlaying, toneEnd));
    // Without an event loop nothing would close the device later, so let it finish and close it
    // now.
    if (QAbstractEventDispatcher::instance()) {
        m_idleClose.start();
    } else {
        snd_pcm_drain(m_pcm.get());
        m_pcm.reset();
    }
}

bool AlsaSpeaker::openDevice() {
    snd_pcm_t* raw = nullptr;
    // Non-blocking open: a device held by another program fails at once instead of waiting.
    if (snd_pcm_open(&raw, "default", SND_PCM_STREAM_PLAYBACK, SND_PCM_NONBLOCK) < 0)
        return false;
    PcmHandle pcm(raw);
    snd_pcm_hw_params_t* hw = nullptr;
    snd_pcm_hw_params_alloca(&hw);
    unsigned rate = kSampleRate;
    unsigned bufferUs = kBufferUs;
    unsigned periodUs = kPeriodUs;
    if (snd_pcm_nonblock(raw, 0) < 0 || snd_pcm_hw_params_any(raw, hw) < 0 ||
        snd_pcm_hw_params_set_rate_resample(raw, hw, 1) < 0 ||
        snd_pcm_hw_params_set_access(raw, hw, SND_PCM_ACCESS_RW_INTERLEAVED) < 0 ||
        snd_pcm_hw_params_set_format(raw, hw, SND_PCM_FORMAT_S16_LE) < 0 ||
        snd_pcm_hw_params_set_channels(raw, hw, 1) < 0 ||
        snd_pcm_hw_params_set_rate_near(raw, hw, &rate, nullptr) < 0 ||
        snd_pcm_hw_params_set_buffer_time_near(raw, hw, &bufferUs, nullptr) < 0 ||
        snd_pcm_hw_params_set_period_time_near(raw, hw, &periodUs, nullptr) < 0 ||
        snd_pcm_hw_params(raw, hw) < 0)
        return false;
    snd_pcm_uframes_t periodFrames = 0;
    if (snd_pcm_hw_params_get_period_size(hw, &periodFrames, nullptr) < 0)
        return false;
    m_pcm = std::move(pcm);
    m_rate = rate;
    m_periodFrames = periodFrames;
    return true;
}

bool AlsaSpeaker::play(const std::vector<std::int16_t>& samples) {
    snd_pcm_t* pcm = m_pcm.get();
    // A running stream takes the tone straight after the one before it; a stopped one (after an
    // underrun, say) is prepared again.
    const snd_pcm_state_t state = snd_pcm_state(pcm);
    if (state != SND_PCM_STATE_PREPARED && state != SND_PCM_STATE_RUNNING &&
        snd_pcm_prepare(pcm) < 0)
        return false;
    const std::int16_t* next = samples.data();
    snd_pcm_uframes_t left = samples.size();
    int recoveries = 0;
    while (left > 0) {
        const snd_pcm_sframes_t written = snd_pcm_writei(pcm, next, left);
        if (written < 0) {
            if (++recoveries > kMaxRecoveries ||
                snd_pcm_recover(pcm, static_cast<int>(written), 1) < 0)
                return false;
            continue;
        }
        next += written;
        left -= static_cast<snd_pcm_uframes_t>(written);
    }
    return true;
}

void AlsaSpeaker::giveUp(Clock::time_point now) {
    m_idleClose.stop();
    m_pcm.reset();
    m_retryAfter = now + kRetryPause;
}

#include "platform/linux/modules/tone_samples.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {
constexpr double kAmplitude = 0.4 * 32767;
constexpr std::size_t kFadeMs = 5;
} // namespace

std::vector<std::int16_t> toneSamples(int frequencyHz, int durationMs, unsigned sampleRate) {
    if (frequencyHz <= 0 || durationMs <= 0)
        return {};
    const std::size_t count = static_cast<std::size_t>(durationMs) * sampleRate / 1000;
    const std::size_t fade = std::min(count / 2, kFadeMs * sampleRate / 1000);
    const double step = 2 * std::numbers::pi * frequencyHz / sampleRate;
    std::vector<std::int16_t> samples(count);
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t edge = std::min(i, count - 1 - i);
        const double gain =
            edge < fade ? 0.5 - 0.5 * std::cos(std::numbers::pi * static_cast<double>(edge) /
                                               static_cast<double>(fade))
                        : 1.0;
        samples[i] = static_cast<std::int16_t>(
            std::lround(kAmplitude * gain * std::sin(step * static_cast<double>(i))));
    }
    return samples;
}

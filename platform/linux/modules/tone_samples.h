#pragma once

#include <cstdint>
#include <vector>

// One tone as signed 16-bit mono samples: a sine with short raised-cosine fades at both ends, so
// the speaker does not click where the tone starts and stops.
std::vector<std::int16_t> toneSamples(int frequencyHz, int durationMs, unsigned sampleRate);

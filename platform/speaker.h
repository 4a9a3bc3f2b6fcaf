#pragma once

class Speaker {
  public:
    virtual ~Speaker() = default;
    // Plays a tone and returns when it has ended; without a device it returns at once.
    virtual void Beep(int frequencyHz, int durationMs) = 0; // NOLINT(readability-identifier-naming)
};

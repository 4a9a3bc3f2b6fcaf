#pragma once

class Speaker {
  public:
    virtual ~Speaker() = default;
    // Plays a tone and returns when it has ended; without a device it returns at once.
    virtual void playTone(int frequencyHz, int durationMs) = 0;
};

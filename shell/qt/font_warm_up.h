#pragma once

#include <thread>

// Fontconfig reads its configuration and font list once per process, the largest single cost
// before the first picture. Started first thing, that runs on the other core while the toolkit
// connects to the display; the window's fonts are asked for only after wait().
class FontWarmUp {
  public:
    FontWarmUp();
    ~FontWarmUp();
    FontWarmUp(const FontWarmUp&) = delete;
    FontWarmUp& operator=(const FontWarmUp&) = delete;
    void wait();

  private:
    std::thread m_thread;
};

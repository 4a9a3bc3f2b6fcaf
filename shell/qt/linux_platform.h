#pragma once

#include <memory>

#include "platform/platform.h"

// The real services of a Linux desktop, owned for the whole run.
class LinuxPlatform {
  public:
    LinuxPlatform();
    ~LinuxPlatform();
    Platform& services() { return *m_services; }

  private:
    std::unique_ptr<WindowList> m_windows;
    std::unique_ptr<SystemClock> m_clock;
    std::unique_ptr<SettingsStore> m_settings;
    std::unique_ptr<Speaker> m_speaker;
    std::unique_ptr<WindowAttention> m_attention;
    std::unique_ptr<Shell> m_shell;
    std::unique_ptr<HttpTransfer> m_transfer;
    std::unique_ptr<EventWait> m_events;
    std::unique_ptr<Platform> m_services;
};

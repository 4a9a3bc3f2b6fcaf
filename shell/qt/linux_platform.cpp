#include "shell/qt/linux_platform.h"

#include "platform/linux/desktop_shell.h"
#include "platform/linux/lazy_services.h"
#include "platform/linux/local_clock.h"
#include "platform/linux/qsettings_store.h"
#include "platform/linux/qt_event_wait.h"
#include "platform/linux/x11_window_attention.h"
#include "shell/qt/desktop_window_list.h"

LinuxPlatform::LinuxPlatform()
    : m_windows(makeDesktopWindowList()), m_clock(std::make_unique<LocalClock>()),
      m_settings(std::make_unique<QSettingsStore>()), m_speaker(std::make_unique<LazySpeaker>()),
      m_attention(makeWindowAttention()), m_shell(std::make_unique<DesktopShell>()),
      m_transfer(std::make_unique<LazyTransfer>()), m_events(std::make_unique<QtEventWait>()),
      m_services(
          std::make_unique<Platform>(Platform{*m_windows, *m_clock, *m_settings, *m_speaker,
                                              *m_attention, *m_shell, *m_transfer, *m_events})) {}

LinuxPlatform::~LinuxPlatform() = default;

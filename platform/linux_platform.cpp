#include "platform/linux_platform.h"

#include "platform/alsa_speaker.h"
#include "platform/desktop_shell.h"
#include "platform/inet_transfer.h"
#include "platform/local_clock.h"
#include "platform/qsettings_store.h"
#include "platform/wayland/desktop_window_list.h"
#include "platform/x11_window_attention.h"

LinuxPlatform::LinuxPlatform()
    : m_windows(makeDesktopWindowList()), m_clock(std::make_unique<LocalClock>()),
      m_settings(std::make_unique<QSettingsStore>()), m_speaker(makeSpeaker()),
      m_attention(makeWindowAttention()), m_shell(std::make_unique<DesktopShell>()),
      m_transfer(std::make_unique<InetTransfer>()),
      m_services(std::make_unique<Platform>(Platform{*m_windows, *m_clock, *m_settings, *m_speaker,
                                                     *m_attention, *m_shell, *m_transfer})) {}

LinuxPlatform::~LinuxPlatform() = default;

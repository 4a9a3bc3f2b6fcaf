#pragma once

#include "platform/platform.h"
#include "platform/windows/message_event_wait.h"
#include "platform/windows/registry_store.h"
#include "platform/windows/win32_clock.h"
#include "platform/windows/win32_services.h"
#include "platform/windows/win32_window_list.h"
#include "platform/windows/wininet_transfer.h"

// The real services of a Windows desktop, owned for the whole run.
class WindowsPlatform {
  public:
    Platform& services() { return m_services; }
    Win32Shell& shell() { return m_shell; }
    Win32Clock& clock() { return m_clock; }

  private:
    MessageEventWait m_events;
    Win32WindowList m_windows;
    Win32Clock m_clock;
    RegistryStore m_settings;
    Win32Speaker m_speaker;
    Win32Attention m_attention;
    Win32Shell m_shell;
    WinInetTransfer m_transfer;
    Platform m_services{m_windows,   m_clock, m_settings, m_speaker,
                        m_attention, m_shell, m_transfer, m_events};
};

#pragma once

#include <windows.h>

#include "platform/shell.h"
#include "platform/speaker.h"
#include "platform/window_attention.h"
#include "platform/windows/com_apartment.h"

// A window id as the engine holds it: window handles keep to 32 bits, sign-extended in 64-bit
// programs as LongToHandle does.
inline HWND windowFromId(std::uint32_t id) {
    return reinterpret_cast<HWND>(static_cast<std::intptr_t>(static_cast<std::int32_t>(id)));
}

class Win32Attention : public WindowAttention {
  public:
    void toggleAttention(std::uint32_t window) override;
};

// The PC's tone; playTone returns when the tone has ended.
class Win32Speaker : public Speaker {
  public:
    void playTone(int frequencyHz, int durationMs) override;
};

class Win32Shell : public Shell {
  public:
    void setOwner(HWND owner) { m_owner = owner; }
    void open(const std::string& url) override;
    std::string helpFile() const override;
    bool fileExists(const std::string& path) const override;
    void openFile(const std::string& path) override;

  private:
    void shellOpen(const std::string& target, int show);

    HWND m_owner = nullptr;
    ComApartment m_apartment;
};

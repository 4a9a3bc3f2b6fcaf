#include "shell/win32/message_box.h"

#include "platform/windows/wide_text.h"

void showMessageBox(HWND owner, std::string_view title, const std::string& text, MessageIcon icon) {
    MessageBoxW(owner, widen(text).c_str(), widen(std::string(title)).c_str(),
                MB_OK | (icon == MessageIcon::Information ? MB_ICONINFORMATION : 0));
}

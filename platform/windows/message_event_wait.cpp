#include "platform/windows/message_event_wait.h"

#include <windows.h>

bool MessageEventWait::serveOnce() {
    if (m_ending)
        return false;
    MSG msg;
    const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got <= 0) {
        m_ending = true;
        // The main loop that follows the wait must see the end too.
        if (got == 0)
            PostQuitMessage(static_cast<int>(msg.wParam));
        return false;
    }
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
    return true;
}

int MessageEventWait::run() {
    MSG msg;
    while (!m_ending && GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return 0;
}

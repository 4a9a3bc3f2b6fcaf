#pragma once

#include <windows.h>

#include <memory>
#include <thread>

#include "platform/http_transfer.h"
#include "platform/windows/win_handles.h"

// The time page through WinINet with the system's proxy settings. The request runs on a worker
// thread and posts its states to a message-only window, so they arrive through the message
// loop like every other event and the window stays responsive while the server answers.
class WinInetTransfer : public HttpTransfer {
  public:
    WinInetTransfer();
    ~WinInetTransfer() override;
    WinInetTransfer(const WinInetTransfer&) = delete;
    WinInetTransfer& operator=(const WinInetTransfer&) = delete;

    bool startGet(const std::string& url, const std::string& requestHeaders) override;
    bool isFetching() const override { return m_request != nullptr; }
    std::string readChunk(int size) override;

    struct Request;

  private:
    static LRESULT CALLBACK receive(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    bool ensureWindow();
    void finish();

    UniqueWindow m_window;
    std::shared_ptr<Request> m_request;
    std::thread m_worker;
    std::string m_body;
    std::size_t m_read = 0;
};

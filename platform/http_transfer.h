#pragma once

#include <cstdint>
#include <functional>
#include <string>

// The transfer control that fetches the time page: one request at a time, started with
// startGet, watched through isFetching and the state callback, read with readChunk.
class HttpTransfer {
  public:
    // The state reported when the response begins to arrive.
    static constexpr std::int16_t kReceivingResponse = 7;
    // The state reported when the request has ended, with or without a usable body;
    // isFetching is false by then.
    static constexpr std::int16_t kResponseCompleted = 12;

    virtual ~HttpTransfer() = default;

    void setUrl(const std::string& url) { m_url = url; }
    const std::string& url() const { return m_url; }
    // Called from the event loop with each state the request passes through.
    void setStateChanged(std::function<void(std::int16_t state)> handler) {
        m_stateChanged = std::move(handler);
    }

    // Starts a GET of url with the given request-header lines ("Name: value" + CR LF each) and
    // returns at once. A transfer that is still executing refuses (false) and goes on as it was.
    virtual bool startGet(const std::string& url, const std::string& requestHeaders) = 0;
    virtual bool isFetching() const = 0;
    // The next piece of the response body, at most size bytes, one character per byte
    // (Latin-1). Empty while the request runs, and when it ended without usable text.
    virtual std::string readChunk(int size) = 0;

  protected:
    void reportState(std::int16_t state) {
        if (m_stateChanged)
            m_stateChanged(state);
    }

  private:
    std::string m_url;
    std::function<void(std::int16_t)> m_stateChanged;
};

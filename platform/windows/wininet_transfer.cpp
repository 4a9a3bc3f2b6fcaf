#include "platform/windows/wininet_transfer.h"

#include <wininet.h>

#include <mutex>

#include "platform/windows/system_function.h"
#include "platform/windows/wide_text.h"

namespace {
// WinINet is loaded at the first fetch.
template <typename Function, typename Result, typename... Args>
Result winInet(const char* name, Args&&... args) {
    return callSystem<Function>(L"wininet.dll", name, Result{}, std::forward<Args>(args)...);
}
} // namespace

namespace release {
inline void internet(HINTERNET h) {
    winInet<decltype(InternetCloseHandle), BOOL>("InternetCloseHandle", h);
}
} // namespace release
using UniqueInternet = UniqueHandle<HINTERNET, release::internet>;

namespace {
constexpr UINT kStateMessage = WM_APP + 1;
constexpr DWORD kTimeoutMs = 60000;
constexpr std::size_t kKeptBodyBytes = 8192;
const wchar_t* const kWindowClass = L"ZeitfangInet";

// WinINet sends its own User-Agent line beside a given one: the one given becomes the agent.
std::pair<std::wstring, std::wstring> agentAndOtherHeaders(const std::string& headers) {
    std::wstring agent;
    std::wstring others;
    std::size_t start = 0;
    while (start < headers.size()) {
        std::size_t end = headers.find("\r\n", start);
        if (end == std::string::npos)
            end = headers.size();
        const std::string line = headers.substr(start, end - start);
        constexpr std::string_view kPrefix = "user-agent:";
        std::string lower = line.substr(0, kPrefix.size());
        for (char& c : lower)
            c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
        if (lower == kPrefix) {
            const std::size_t value = line.find_first_not_of(' ', kPrefix.size());
            agent = widen(value == std::string::npos ? std::string() : line.substr(value));
        } else if (!line.empty())
            others += widen(line) + L"\r\n";
        start = end + 2;
    }
    return {agent, others};
}
} // namespace

struct WinInetTransfer::Request {
    std::mutex mutex;
    UniqueInternet session; // closed from the main thread to cut a request short
    std::string body;
};

namespace {
void readBody(HINTERNET page, std::string& body) {
    DWORD status = 0;
    DWORD size = sizeof(status);
    winInet<decltype(HttpQueryInfoW), BOOL>("HttpQueryInfoW", page,
                                            HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER,
                                            &status, &size, nullptr);
    // An error page gives no text to read.
    if (status >= 400)
        return;
    std::string kept(kKeptBodyBytes, '\0');
    std::size_t have = 0;
    DWORD read = 0;
    while (have < kept.size()) {
        if (!winInet<decltype(InternetReadFile), BOOL>("InternetReadFile", page, kept.data() + have,
                                                       static_cast<DWORD>(kept.size() - have),
                                                       &read))
            return; // a broken transfer gives no text either
        if (read == 0)
            break;
        have += read;
    }
    kept.resize(have);
    body = std::move(kept);
}

void run(const std::shared_ptr<WinInetTransfer::Request>& request, HWND target,
         const std::wstring& url, const std::wstring& headers) {
    HINTERNET session;
    {
        std::lock_guard lock(request->mutex);
        session = request->session.get();
    }
    std::string body;
    if (session) {
        const UniqueInternet page(winInet<decltype(InternetOpenUrlW), HINTERNET>(
            "InternetOpenUrlW", session, url.c_str(), headers.empty() ? nullptr : headers.c_str(),
            static_cast<DWORD>(-1),
            INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE | INTERNET_FLAG_PRAGMA_NOCACHE |
                INTERNET_FLAG_NO_UI | INTERNET_FLAG_NO_COOKIES,
            0));
        // InternetOpenUrl returns once the response's headers have arrived.
        if (page) {
            PostMessageW(target, kStateMessage, HttpTransfer::kReceivingResponse, 0);
            readBody(page.get(), body);
        }
    }
    {
        std::lock_guard lock(request->mutex);
        request->body = std::move(body);
    }
    PostMessageW(target, kStateMessage, HttpTransfer::kResponseCompleted, 0);
}
} // namespace

WinInetTransfer::WinInetTransfer() = default;

// The window that hears the worker is made with the first fetch, in the thread that asks for it:
// a start that fetches nothing makes none.
bool WinInetTransfer::ensureWindow() {
    if (m_window)
        return true;
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = receive;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = kWindowClass;
    RegisterClassExW(&wc);
    m_window.reset(CreateWindowExW(0, kWindowClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                   wc.hInstance, nullptr));
    SetWindowLongPtrW(m_window.get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    return static_cast<bool>(m_window);
}

WinInetTransfer::~WinInetTransfer() {
    if (m_request) {
        // Closing the session makes the worker's blocking calls return at once.
        std::lock_guard lock(m_request->mutex);
        m_request->session.reset();
    }
    if (m_worker.joinable())
        m_worker.join();
}

bool WinInetTransfer::startGet(const std::string& url, const std::string& requestHeaders) {
    if (m_request || !ensureWindow())
        return false;
    if (m_worker.joinable())
        m_worker.join();
    const auto [agent, headers] = agentAndOtherHeaders(requestHeaders);
    auto request = std::make_shared<Request>();
    request->session.reset(winInet<decltype(InternetOpenW), HINTERNET>(
        "InternetOpenW", agent.c_str(), INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0));
    for (const DWORD option : {INTERNET_OPTION_CONNECT_TIMEOUT, INTERNET_OPTION_SEND_TIMEOUT,
                               INTERNET_OPTION_RECEIVE_TIMEOUT}) {
        DWORD timeout = kTimeoutMs;
        winInet<decltype(InternetSetOptionW), BOOL>("InternetSetOptionW", request->session.get(),
                                                    option, &timeout, sizeof(timeout));
    }
    m_body.clear();
    m_read = 0;
    m_request = request;
    m_worker = std::thread(run, request, m_window.get(), widen(url), headers);
    return true;
}

void WinInetTransfer::finish() {
    if (m_worker.joinable())
        m_worker.join();
    {
        std::lock_guard lock(m_request->mutex);
        m_body = std::move(m_request->body);
    }
    m_request.reset();
}

LRESULT CALLBACK WinInetTransfer::receive(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<WinInetTransfer*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (message != kStateMessage || !self || !self->m_request)
        return DefWindowProcW(window, message, wParam, lParam);
    const auto state = static_cast<std::int16_t>(wParam);
    if (state == kResponseCompleted)
        self->finish();
    self->reportState(state);
    return 0;
}

std::string WinInetTransfer::readChunk(int size) {
    if (m_request || size <= 0 || m_read >= m_body.size())
        return {};
    const std::string piece = m_body.substr(m_read, static_cast<std::size_t>(size));
    m_read += piece.size();
    return piece;
}

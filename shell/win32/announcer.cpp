#include "shell/win32/announcer.h"

#include "platform/windows/system_function.h"
#include "shell/win32/accessible_window.h"

namespace {
// UI Automation's notification call and its arguments (Windows 10 1709), missing from the
// compiler's headers.
struct IRawElementProviderSimple;
constexpr int kNotificationKindOther = 4;
constexpr int kNotificationProcessingImportantMostRecent = 1;
using HostProviderFromHwnd = HRESULT WINAPI(HWND, IRawElementProviderSimple**);
using RaiseNotificationEvent = HRESULT WINAPI(IRawElementProviderSimple*, int, int, BSTR, BSTR);
// Loaded at the first moment and never unloaded: UI Automation keeps threads of its own in the
// process once a screen reader listens, and they must not lose their code before it ends.
const wchar_t* const kUiAutomation = L"uiautomationcore.dll";

// UI Automation's LiveSetting property, Assertive (Windows 8).
constexpr GUID kLiveSetting = {
    0xc12bcd8e, 0x2a8e, 0x4950, {0x8a, 0xe7, 0x36, 0x25, 0x11, 0x1d, 0x58, 0xeb}};
constexpr LONG kAssertive = 2;
constexpr DWORD kLiveRegionChanged = 0x8019; // EVENT_OBJECT_LIVEREGIONCHANGED
constexpr int kLiveRegionId = 1000;

const wchar_t* const kAutomation = L"oleaut32.dll"; // loaded with the first announcement

class Text {
  public:
    explicit Text(const std::wstring& text)
        : m_text(callSystem<decltype(SysAllocString)>(kAutomation, "SysAllocString", BSTR{},
                                                      text.c_str())) {}
    ~Text() {
        if (auto* free = systemFunction<decltype(SysFreeString)>(kAutomation, "SysFreeString"))
            free(m_text);
    }
    Text(const Text&) = delete;
    Text& operator=(const Text&) = delete;
    BSTR get() const { return m_text; }

  private:
    BSTR m_text;
};
} // namespace

void Announcer::announce(const std::wstring& text) {
    if (!notify(text))
        changeLiveRegion(text);
}

bool Announcer::notify(const std::wstring& text) {
    auto* host = systemFunction<HostProviderFromHwnd>(kUiAutomation, "UiaHostProviderFromHwnd");
    auto* raise =
        systemFunction<RaiseNotificationEvent>(kUiAutomation, "UiaRaiseNotificationEvent");
    if (!host || !raise || !m_apartment.join())
        return false;
    IRawElementProviderSimple* element = nullptr;
    if (FAILED(host(m_window, &element)) || !element)
        return false;
    const Text said(text), activity(L"Zeitfang");
    const HRESULT raised =
        raise(element, kNotificationKindOther, kNotificationProcessingImportantMostRecent,
              said.get(), activity.get());
    reinterpret_cast<IUnknown*>(element)->Release();
    return SUCCEEDED(raised);
}

void Announcer::changeLiveRegion(const std::wstring& text) {
    if (!m_liveRegion) {
        // No size: it shows nothing, and a screen reader still reads its name.
        m_liveRegion =
            CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_NOPREFIX, 0, 0, 0, 0,
                            m_window, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kLiveRegionId)),
                            GetModuleHandleW(nullptr), nullptr);
        VARIANT assertive{};
        assertive.vt = VT_I4;
        assertive.lVal = kAssertive;
        annotate(m_apartment, m_liveRegion, kLiveSetting, &assertive);
    }
    SetWindowTextW(m_liveRegion, text.c_str());
    NotifyWinEvent(kLiveRegionChanged, m_liveRegion, OBJID_CLIENT, CHILDID_SELF);
}

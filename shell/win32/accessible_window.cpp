#include "shell/win32/accessible_window.h"

#include <utility>

#include "platform/windows/system_function.h"

namespace {

bool isSelf(const VARIANT& child) {
    return child.vt == VT_I4 && child.lVal == CHILDID_SELF;
}

HRESULT text(const std::wstring& value, BSTR* out) {
    *out = value.empty() ? nullptr
                         : callSystem<decltype(SysAllocString)>(L"oleaut32.dll", "SysAllocString",
                                                                BSTR{}, value.c_str());
    return *out ? S_OK : S_FALSE;
}

// The child a call through IDispatch names: its one optional argument, the object itself when
// left out.
VARIANT childArgument(const DISPPARAMS* params) {
    VARIANT child{};
    child.vt = VT_I4;
    child.lVal = CHILDID_SELF;
    if (params && params->cArgs == 1 && params->rgvarg[0].vt != VT_ERROR &&
        callSystem<decltype(VariantChangeType)>(L"oleaut32.dll", "VariantChangeType", E_FAIL,
                                                &child, &params->rgvarg[0], USHORT{0},
                                                VARTYPE{VT_I4}) != S_OK)
        child.vt = VT_EMPTY;
    return child;
}

HRESULT textResult(HRESULT got, BSTR text, VARIANT* result) {
    if (result) {
        *result = VARIANT{};
        result->vt = VT_BSTR;
        result->bstrVal = text;
    } else if (auto* free =
                   systemFunction<decltype(SysFreeString)>(L"oleaut32.dll", "SysFreeString")) {
        free(text);
    }
    return FAILED(got) ? got : S_OK;
}

// Delegates to the standard object whatever the facts do not settle, but hands out only its own
// interfaces, so that every way to it (IDispatch included) meets the facts. It keeps the window's
// handle, not the control: a screen reader may hold it after the control has gone.
class AccessibleWindow final : public IAccessible, public IOleWindow {
  public:
    AccessibleWindow(IAccessible* standard, HWND window, AccessibleFacts facts)
        : m_standard(standard), m_window(window), m_facts(std::move(facts)) {}
    AccessibleWindow(const AccessibleWindow&) = delete;
    AccessibleWindow& operator=(const AccessibleWindow&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override {
        if (id == __uuidof(IUnknown) || id == __uuidof(IDispatch) || id == __uuidof(IAccessible)) {
            *object = static_cast<IAccessible*>(this);
        } else if (id == __uuidof(IOleWindow)) {
            *object = static_cast<IOleWindow*>(this);
        } else {
            *object = nullptr;
            return E_NOINTERFACE;
        }
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return InterlockedIncrement(&m_refs); }
    ULONG STDMETHODCALLTYPE Release() override {
        const LONG refs = InterlockedDecrement(&m_refs);
        if (refs == 0) {
            m_standard->Release();
            delete this;
        }
        return refs;
    }

    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        return m_standard->GetTypeInfoCount(count);
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override {
        return m_standard->GetTypeInfo(index, locale, info);
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID id, LPOLESTR* names, UINT count, LCID locale,
                                            DISPID* ids) override {
        return m_standard->GetIDsOfNames(id, names, count, locale, ids);
    }
    // The properties the facts settle answer from them; the standard object knows the rest.
    HRESULT STDMETHODCALLTYPE Invoke(DISPID member, REFIID id, LCID locale, WORD flags,
                                     DISPPARAMS* params, VARIANT* result, EXCEPINFO* exception,
                                     UINT* argError) override {
        const VARIANT child = childArgument(params);
        const bool get = (flags & DISPATCH_PROPERTYGET) && child.vt == VT_I4;
        BSTR text = nullptr;
        if (get && member == DISPID_ACC_NAME)
            return textResult(get_accName(child, &text), text, result);
        if (get && member == DISPID_ACC_DESCRIPTION)
            return textResult(get_accDescription(child, &text), text, result);
        if (get && member == DISPID_ACC_DEFAULTACTION)
            return textResult(get_accDefaultAction(child, &text), text, result);
        VARIANT answer{};
        if (get && (member == DISPID_ACC_ROLE || member == DISPID_ACC_STATE)) {
            const HRESULT got = member == DISPID_ACC_ROLE ? get_accRole(child, &answer)
                                                          : get_accState(child, &answer);
            if (result)
                *result = answer;
            return FAILED(got) ? got : S_OK;
        }
        if ((flags & DISPATCH_METHOD) && member == DISPID_ACC_DODEFAULTACTION && child.vt == VT_I4)
            return accDoDefaultAction(child);
        return m_standard->Invoke(member, id, locale, flags, params, result, exception, argError);
    }

    HRESULT STDMETHODCALLTYPE GetWindow(HWND* window) override {
        *window = m_window;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }

    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
        if (!isSelf(child))
            return m_standard->get_accName(child, name);
        if (!m_facts.legible)
            return text({}, name);
        if (!m_facts.name.empty())
            return text(m_facts.name, name);
        std::wstring shown(static_cast<std::size_t>(GetWindowTextLengthW(m_window)) + 1, L'\0');
        shown.resize(static_cast<std::size_t>(
            GetWindowTextW(m_window, shown.data(), static_cast<int>(shown.size()))));
        return text(shown, name);
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override {
        return isSelf(child) ? text(m_facts.description, description)
                             : m_standard->get_accDescription(child, description);
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
        if (!isSelf(child) || m_facts.role == 0)
            return m_standard->get_accRole(child, role);
        role->vt = VT_I4;
        role->lVal = m_facts.role;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
        const HRESULT result = m_standard->get_accState(child, state);
        if (SUCCEEDED(result) && isSelf(child) && state->vt == VT_I4) {
            if (!m_facts.defaultAction.empty())
                state->lVal |=
                    STATE_SYSTEM_FOCUSABLE | (GetFocus() == m_window ? STATE_SYSTEM_FOCUSED : 0) |
                    // While a dialog is open over the window, a command does nothing.
                    (IsWindowEnabled(GetAncestor(m_window, GA_ROOT)) ? 0
                                                                     : STATE_SYSTEM_UNAVAILABLE);
            if (!m_facts.legible)
                state->lVal |= STATE_SYSTEM_INVISIBLE;
        }
        return result;
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
        return isSelf(child) && !m_facts.defaultAction.empty()
                   ? text(m_facts.defaultAction, action)
                   : m_standard->get_accDefaultAction(child, action);
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
        if (!isSelf(child) || m_facts.defaultAction.empty())
            return m_standard->accDoDefaultAction(child);
        // Posted: the command may open a dialog, and the screen reader waits for this answer.
        return PostMessageW(m_window, BM_CLICK, 0, 0) ? S_OK : E_FAIL;
    }

    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
        return m_standard->get_accParent(parent);
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override {
        return m_standard->get_accChildCount(count);
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override {
        return m_standard->get_accChild(child, object);
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
        return m_standard->get_accValue(child, value);
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override {
        return m_standard->get_accHelp(child, help);
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic) override {
        return m_standard->get_accHelpTopic(file, child, topic);
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override {
        return m_standard->get_accKeyboardShortcut(child, shortcut);
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) override {
        return m_standard->get_accFocus(child);
    }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* children) override {
        return m_standard->get_accSelection(children);
    }
    HRESULT STDMETHODCALLTYPE accSelect(LONG flags, VARIANT child) override {
        return m_standard->accSelect(flags, child);
    }
    HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height,
                                          VARIANT child) override {
        return m_standard->accLocation(left, top, width, height, child);
    }
    HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override {
        return m_standard->accNavigate(direction, start, end);
    }
    HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* child) override {
        return m_standard->accHitTest(x, y, child);
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override {
        return m_standard->put_accName(child, name);
    }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override {
        return m_standard->put_accValue(child, value);
    }

  private:
    ~AccessibleWindow() = default;

    IAccessible* m_standard;
    HWND m_window;
    AccessibleFacts m_facts;
    LONG m_refs = 1;
};

} // namespace

LRESULT accessibleClient(ComApartment& apartment, HWND window, WPARAM wParam,
                         const AccessibleFacts& facts) {
    IAccessible* standard = nullptr;
    if (!apartment.join())
        return 0;
    // The accessibility runtime is loaded at the first request, from a screen reader.
    if (FAILED(callSystem<decltype(CreateStdAccessibleObject)>(
            L"oleacc.dll", "CreateStdAccessibleObject", E_FAIL, window, OBJID_CLIENT,
            __uuidof(IAccessible), reinterpret_cast<void**>(&standard))))
        return 0;
    auto* made = new AccessibleWindow(standard, window, facts);
    const LRESULT answer = callSystem<decltype(LresultFromObject)>(
        L"oleacc.dll", "LresultFromObject", LRESULT{}, __uuidof(IAccessible), wParam,
        static_cast<IAccessible*>(made));
    made->Release();
    return answer;
}

void annotate(ComApartment& apartment, HWND window, const MSAAPROPID& property,
              const VARIANT* value) {
    IAccPropServices* services = nullptr;
    if (!apartment.join() ||
        FAILED(callSystem<decltype(CoCreateInstance)>(
            L"ole32.dll", "CoCreateInstance", E_FAIL, CLSID_AccPropServices, nullptr,
            CLSCTX_INPROC_SERVER, IID_IAccPropServices, reinterpret_cast<void**>(&services))))
        return;
    MSAAPROPID forgotten = property;
    if (value)
        services->SetHwndProp(window, OBJID_CLIENT, CHILDID_SELF, property, *value);
    else
        services->ClearHwndProps(window, OBJID_CLIENT, CHILDID_SELF, &forgotten, 1);
    services->Release();
}

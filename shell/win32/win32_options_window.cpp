#include "shell/win32/win32_options_window.h"

#include <vector>

#include <commctrl.h>

#include "platform/windows/system_function.h"
#include "platform/windows/wide_text.h"
#include "shell/win32/accessible_window.h"
#include "shell/win32/engine_key.h"
#include "shell/win32/message_box.h"
#include "shell/win32/win32_form1_window.h"

namespace {
const wchar_t* const kWindowClass = L"ZeitfangOptions";

int idOf(OptionsControl c) {
    switch (c) {
    case OptionsControl::cmdOK:
        return IDOK;
    case OptionsControl::cmdCancel:
        return IDCANCEL;
    default:
        return 99 + static_cast<int>(c);
    }
}

OptionsControl controlOf(int id) {
    switch (id) {
    case IDOK:
        return OptionsControl::cmdOK;
    case IDCANCEL:
        return OptionsControl::cmdCancel;
    default:
        return static_cast<OptionsControl>(id - 99);
    }
}

// Loaded when the dialog first opens.
const wchar_t* const kCommonControls = L"comctl32.dll";

// A control whose own window does not say to a screen reader what it is: the seconds' box, named
// by its line. The subclass's data is the COM apartment of the window's thread.
LRESULT CALLBACK namedControlProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                  DWORD_PTR data) {
    ComApartment& apartment = *reinterpret_cast<ComApartment*>(data);
    if (message == WM_GETOBJECT && static_cast<LONG>(lParam) == OBJID_CLIENT) {
        const std::string_view name =
            optionsDesign()[controlOf(GetDlgCtrlID(window))].accessibleName;
        return accessibleClient(apartment, window, wParam, {.name = widen(std::string(name))});
    }
    if (message == WM_NCDESTROY) {
        annotate(apartment, window, PROPID_ACC_NAME, nullptr);
        callSystem<decltype(RemoveWindowSubclass)>(kCommonControls, "RemoveWindowSubclass", FALSE,
                                                   window, namedControlProc, 0);
    }
    return callSystem<decltype(DefSubclassProc)>(kCommonControls, "DefSubclassProc", LRESULT{},
                                                 window, message, wParam, lParam);
}

struct WindowKind {
    const wchar_t* windowClass;
    DWORD style;
};

WindowKind windowKind(ControlKind kind) {
    switch (kind) {
    case ControlKind::Button:
        return {L"BUTTON", BS_OWNERDRAW};
    case ControlKind::CheckBox:
        // Not ticked by the control itself: the engine decides what a click makes of it.
        return {L"BUTTON", BS_CHECKBOX};
    case ControlKind::TextBox:
        return {L"EDIT", ES_AUTOHSCROLL | WS_BORDER};
    default:
        return {L"STATIC", SS_LEFT | SS_NOPREFIX};
    }
}
} // namespace

Win32OptionsWindow::Win32OptionsWindow(Win32Form1Window& owner) : m_owner(owner) {
    const WindowDesign<OptionsControl>& design = optionsDesign();
    const Twips& twips = owner.twips();
    m_font = createFont(widen(std::string(design.font.family)).c_str(), design.font.points, false,
                        twips.dpi);
    m_back.reset(CreateSolidBrush(design.backColour));
    m_face.reset(CreateSolidBrush(design[OptionsControl::cmdOK].backColour));
    registerWindowClass(kWindowClass);
    const WindowStyle style = windowStyle(design.border);
    const SIZE frame =
        frameSize(twips.toPixels(design.client.width), twips.toPixels(design.client.height),
                  style.style, style.exStyle, twips.dpi);
    m_window.reset(CreateWindowExW(style.exStyle, kWindowClass,
                                   widen(std::string(design.caption)).c_str(), style.style,
                                   CW_USEDEFAULT, CW_USEDEFAULT, frame.cx, frame.cy, owner.window(),
                                   nullptr, GetModuleHandleW(nullptr), nullptr));
    attachWindowObject(m_window.get(), this);
    addControls();
}

void Win32OptionsWindow::addControls() {
    // The dialog manager goes round the controls in the order they were made: the design's
    // tab order, then those that take no focus.
    const WindowDesign<OptionsControl>& design = optionsDesign();
    std::vector<const ControlDesign<OptionsControl>*> order;
    for (OptionsControl id : design.tabOrder())
        order.push_back(&design[id]);
    for (const auto& c : design.controls)
        if (c.tabIndex < 0)
            order.push_back(&c);
    const Twips& twips = m_owner.twips();
    ComApartment& apartment = m_owner.apartment();
    for (const ControlDesign<OptionsControl>* c : order) {
        const WindowKind kind = windowKind(c->kind);
        HWND created = CreateWindowExW(
            0, kind.windowClass, widen(std::string(c->caption)).c_str(),
            WS_CHILD | WS_VISIBLE | kind.style | (c->tabIndex >= 0 ? WS_TABSTOP : 0),
            twips.toPixels(c->rect.left), twips.toPixels(c->rect.top),
            twips.toPixels(c->rect.width), twips.toPixels(c->rect.height), m_window.get(),
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(idOf(c->id))), GetModuleHandleW(nullptr),
            nullptr);
        SendMessageW(created, WM_SETFONT, reinterpret_cast<WPARAM>(m_font.get()), FALSE);
        if (c->kind == ControlKind::TextBox)
            SendMessageW(created, EM_SETLIMITTEXT, static_cast<WPARAM>(maxLengthOf(c->maxLength)),
                         0);
        if (!c->accessibleName.empty()) {
            callSystem<decltype(SetWindowSubclass)>(kCommonControls, "SetWindowSubclass", FALSE,
                                                    created, namedControlProc, 0,
                                                    reinterpret_cast<DWORD_PTR>(&apartment));
            // UI Automation reads the box by its own proxy, which asks the annotation.
            VARIANT name{};
            name.vt = VT_BSTR;
            name.bstrVal =
                callSystem<decltype(SysAllocString)>(L"oleaut32.dll", "SysAllocString", BSTR{},
                                                     widen(std::string(c->accessibleName)).c_str());
            annotate(apartment, created, PROPID_ACC_NAME, &name);
            callSystem<decltype(VariantClear)>(L"oleaut32.dll", "VariantClear", E_FAIL, &name);
        }
    }
}

HWND Win32OptionsWindow::control(OptionsControl c) const {
    return GetDlgItem(m_window.get(), idOf(c));
}

void Win32OptionsWindow::setFocus(OptionsControl c) {
    if (IsWindowVisible(m_window.get()))
        SetFocus(control(c));
    m_focus = c;
}

std::optional<OptionsControl> Win32OptionsWindow::focusedControl() const {
    HWND focused = GetFocus();
    if (!focused || GetParent(focused) != m_window.get())
        return std::nullopt;
    return controlOf(GetDlgCtrlID(focused));
}

void Win32OptionsWindow::showModal(WindowController<OptionsControl>& controller) {
    m_controller = &controller;
    HWND owner = m_owner.window();
    EnableWindow(owner, FALSE);
    ShowWindow(m_window.get(), SW_SHOW);
    SetFocus(control(m_focus));
    MSG msg;
    while (m_open && m_window) {
        const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got <= 0) {
            if (got == 0)
                PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        if (key(msg))
            continue;
        // Tab and the arrows as in any dialog.
        if (!IsDialogMessageW(m_window.get(), &msg)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }
    // The owner first, so that it becomes the active window again.
    EnableWindow(owner, TRUE);
    m_window.reset();
    m_controller = nullptr;
}

bool Win32OptionsWindow::key(const MSG& msg) {
    if (msg.message != WM_KEYDOWN ||
        (msg.hwnd != m_window.get() && !IsChild(m_window.get(), msg.hwnd)))
        return false;
    const std::optional<Key> key = engineKey(msg.wParam);
    return key && m_controller->key(*key);
}

void Win32OptionsWindow::setValue(OptionsControl box, CheckState state) {
    SendMessageW(control(box), BM_SETCHECK,
                 state == CheckState::Unchecked ? BST_UNCHECKED
                 : state == CheckState::Checked ? BST_CHECKED
                                                : BST_INDETERMINATE,
                 0);
}

void Win32OptionsWindow::setWarnTonSekText(const std::string& text) {
    SetWindowTextW(control(OptionsControl::Txt_WarnTonSek), widen(text).c_str());
}

std::string Win32OptionsWindow::warnTonSekText() const {
    HWND edit = control(OptionsControl::Txt_WarnTonSek);
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(edit)) + 1, L'\0');
    text.resize(
        static_cast<std::size_t>(GetWindowTextW(edit, text.data(), static_cast<int>(text.size()))));
    return narrow(text);
}

CursorPosition Win32OptionsWindow::cursorPosition() const {
    POINT p{};
    GetCursorPos(&p);
    return {p.x, p.y};
}

TwipsSize Win32OptionsWindow::twipsPerPixel() const {
    return {m_owner.twips().perPixel(), m_owner.twips().perPixel()};
}

void Win32OptionsWindow::moveDialog(double left, double top) {
    const Twips& twips = m_owner.twips();
    SetWindowPos(m_window.get(), nullptr, twips.toPixels(left), twips.toPixels(top), 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32OptionsWindow::messageBox(std::string_view title, const std::string& text,
                                    MessageIcon icon) {
    showMessageBox(m_window.get(), title, text, icon);
}

// A flat face in the button colour with a raised edge, sunken while pressed.
void Win32OptionsWindow::drawButton(const DRAWITEMSTRUCT& item) {
    RECT r = item.rcItem;
    HDC dc = item.hDC;
    FillRect(dc, &r, m_face.get());
    const bool pressed = item.itemState & ODS_SELECTED;
    DrawEdge(dc, &r, pressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(item.hwndItem)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(item.hwndItem, text.data(), static_cast<int>(text.size()))));
    SelectedObject font(dc, m_font.get());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    RECT textRect = r;
    if (pressed)
        OffsetRect(&textRect, 1, 1);
    DrawTextW(dc, text.c_str(), -1, &textRect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    if (item.itemState & ODS_FOCUS) {
        InflateRect(&r, -4, -4);
        DrawFocusRect(dc, &r);
    }
}

LRESULT Win32OptionsWindow::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    HWND window = m_window.get();
    switch (message) {
    case WM_ERASEBKGND: {
        RECT client;
        GetClientRect(window, &client);
        FillRect(reinterpret_cast<HDC>(wParam), &client, m_back.get());
        return 1;
    }
    case WM_CTLCOLORSTATIC:
        SetBkColor(reinterpret_cast<HDC>(wParam), optionsDesign().backColour);
        return reinterpret_cast<LRESULT>(m_back.get());
    case WM_DRAWITEM:
        drawButton(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    case WM_COMMAND:
        if (HIWORD(wParam) != BN_CLICKED)
            break;
        if (m_controller)
            m_controller->click(controlOf(LOWORD(wParam)));
        return 0;
    case WM_CLOSE:
        if (m_controller)
            m_controller->close();
        return 0;
    case WM_NCDESTROY:
        m_window.release();
        return DefWindowProcW(window, message, wParam, lParam);
    default:
        break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

#include "shell/win32/options_window.h"

#include "platform/windows/wide_text.h"
#include "shell/win32/form1_window.h"

namespace {
const wchar_t* const WindowClass = L"ZeitfangOptions";
constexpr DWORD Style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD ExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;
constexpr double ClientWidth = 3780;
constexpr double ClientHeight = 2295;
constexpr COLORREF DialogBack = RGB(255, 255, 239);
constexpr COLORREF ButtonFace = RGB(224, 224, 224);

enum Id : int {
    cmdOK = IDOK,
    cmdCancel = IDCANCEL,
    Check_msgonsync = 101,
    Check_synconstart,
    Check_Warnton,
    Txt_WarnTonSek,
    Label1
};

struct ControlDesign {
    int id;
    const wchar_t* windowClass;
    DWORD style;
    const wchar_t* text;
    double left, top, width, height;
};
// In focus order: OK first, the text box last.
const ControlDesign Controls[] = {
    {cmdOK, L"BUTTON", BS_OWNERDRAW | WS_TABSTOP, L"OK", 705, 1695, 1095, 375},
    {cmdCancel, L"BUTTON", BS_OWNERDRAW | WS_TABSTOP, L"Abbrechen", 1920, 1695, 1095, 375},
    {Check_msgonsync, L"BUTTON", BS_CHECKBOX | WS_TABSTOP,
     L"nach Uhrzeitsynchronisation Meldung zeigen", 120, 120, 3615, 495},
    {Check_synconstart, L"BUTTON", BS_CHECKBOX | WS_TABSTOP,
     L"bei jedem Programmstart Uhr synchronisieren", 120, 600, 3615, 495},
    {Check_Warnton, L"BUTTON", BS_CHECKBOX | WS_TABSTOP, L"Warnton, wenn Restzeit  =", 120, 1080,
     2415, 495},
    {Txt_WarnTonSek, L"EDIT", ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, L"", 2400, 1150, 400, 285},
    {Label1, L"STATIC", SS_LEFT | SS_NOPREFIX, L"Sekunden", 2880, 1200, 855, 255},
};

int idOf(OptionsCheck box) {
    return box == OptionsCheck::Check_msgonsync     ? Check_msgonsync
           : box == OptionsCheck::Check_synconstart ? Check_synconstart
                                                    : Check_Warnton;
}
} // namespace

OptionsWindow::OptionsWindow(Form1Window& owner, frmOptions& handlers)
    : m_owner(owner), m_handlers(handlers), m_back(CreateSolidBrush(DialogBack)),
      m_face(CreateSolidBrush(ButtonFace)) {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    registerWindowClass(WindowClass);
    const Twips& twips = owner.twips();
    const SIZE frame = frameSize(twips.toPixels(ClientWidth), twips.toPixels(ClientHeight), Style,
                                 ExStyle, twips.dpi);
    m_window.reset(CreateWindowExW(ExStyle, WindowClass, L" Zeitfang Optionen", Style,
                                   CW_USEDEFAULT, CW_USEDEFAULT, frame.cx, frame.cy, owner.window(),
                                   nullptr, instance, nullptr));
    attachWindowObject(m_window.get(), this);
    addControls();
}

void OptionsWindow::addControls() {
    const Twips& twips = m_owner.twips();
    for (const ControlDesign& c : Controls) {
        HWND created = CreateWindowExW(
            0, c.windowClass, c.text, WS_CHILD | WS_VISIBLE | c.style, twips.toPixels(c.left),
            twips.toPixels(c.top), twips.toPixels(c.width), twips.toPixels(c.height),
            m_window.get(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(c.id)),
            GetModuleHandleW(nullptr), nullptr);
        SendMessageW(created, WM_SETFONT, reinterpret_cast<WPARAM>(m_owner.defaultFont()), FALSE);
    }
    // No length limit.
    SendMessageW(control(Txt_WarnTonSek), EM_SETLIMITTEXT, 0, 0);
}

void OptionsWindow::run() {
    HWND owner = m_owner.window();
    m_handlers.Form_Load(*this);
    EnableWindow(owner, FALSE);
    ShowWindow(m_window.get(), SW_SHOW);
    SetFocus(control(cmdOK));
    MSG msg;
    while (m_open && m_window) {
        const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got <= 0) {
            if (got == 0)
                PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        // Tab, Enter (OK) and Esc (Abbrechen) as in any dialog.
        if (!IsDialogMessageW(m_window.get(), &msg)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }
    // The owner first, so that it becomes the active window again.
    EnableWindow(owner, TRUE);
    m_window.reset();
}

void OptionsWindow::setValue(OptionsCheck box, CheckState state) {
    SendMessageW(control(idOf(box)), BM_SETCHECK,
                 state == CheckState::Unchecked ? BST_UNCHECKED
                 : state == CheckState::Checked ? BST_CHECKED
                                                : BST_INDETERMINATE,
                 0);
}

CheckState OptionsWindow::value(OptionsCheck box) const {
    switch (SendMessageW(control(idOf(box)), BM_GETCHECK, 0, 0)) {
    case BST_CHECKED:
        return CheckState::Checked;
    case BST_INDETERMINATE:
        return CheckState::Greyed;
    default:
        return CheckState::Unchecked;
    }
}

void OptionsWindow::setWarnTonSekText(const std::string& text) {
    SetWindowTextW(control(Txt_WarnTonSek), widen(text).c_str());
}

std::string OptionsWindow::warnTonSekText() const {
    HWND edit = control(Txt_WarnTonSek);
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(edit)) + 1, L'\0');
    text.resize(
        static_cast<std::size_t>(GetWindowTextW(edit, text.data(), static_cast<int>(text.size()))));
    return narrow(text);
}

CursorPosition OptionsWindow::cursorPosition() const {
    POINT p{};
    GetCursorPos(&p);
    return {p.x, p.y};
}

double OptionsWindow::twipsPerPixelX() const {
    return m_owner.twips().perPixel();
}

double OptionsWindow::twipsPerPixelY() const {
    return m_owner.twips().perPixel();
}

void OptionsWindow::moveDialog(double left, double top) {
    const Twips& twips = m_owner.twips();
    SetWindowPos(m_window.get(), nullptr, twips.toPixels(left), twips.toPixels(top), 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void OptionsWindow::messageBox(const std::string& text, MessageIcon icon) {
    MessageBoxW(m_window.get(), widen(text).c_str(), L"Zeitfang",
                MB_OK | (icon == MessageIcon::Information ? MB_ICONINFORMATION : 0));
}

// A flat face in the button colour with a raised edge, sunken while pressed.
void OptionsWindow::drawButton(const DRAWITEMSTRUCT& item) {
    RECT r = item.rcItem;
    HDC dc = item.hDC;
    FillRect(dc, &r, m_face.get());
    const bool pressed = item.itemState & ODS_SELECTED;
    DrawEdge(dc, &r, pressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(item.hwndItem)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(item.hwndItem, text.data(), static_cast<int>(text.size()))));
    SelectedObject font(dc, m_owner.defaultFont());
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

LRESULT OptionsWindow::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    HWND window = m_window.get();
    switch (message) {
    case WM_ERASEBKGND: {
        RECT client;
        GetClientRect(window, &client);
        FillRect(reinterpret_cast<HDC>(wParam), &client, m_back.get());
        return 1;
    }
    case WM_CTLCOLORSTATIC:
        SetBkColor(reinterpret_cast<HDC>(wParam), DialogBack);
        return reinterpret_cast<LRESULT>(m_back.get());
    case WM_DRAWITEM:
        drawButton(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    case WM_COMMAND:
        if (HIWORD(wParam) != BN_CLICKED)
            break;
        switch (LOWORD(wParam)) {
        case cmdOK:
            m_handlers.cmdOK_Click(*this);
            return 0;
        case cmdCancel:
            m_handlers.cmdCancel_Click(*this);
            return 0;
        case Check_msgonsync:
        case Check_synconstart:
        case Check_Warnton: {
            // A greyed box, ticked or cleared once, is an ordinary one.
            HWND box = control(LOWORD(wParam));
            const bool ticked = SendMessageW(box, BM_GETCHECK, 0, 0) == BST_CHECKED;
            SendMessageW(box, BM_SETCHECK, ticked ? BST_UNCHECKED : BST_CHECKED, 0);
            return 0;
        }
        default:
            break;
        }
        break;
    case WM_CLOSE:
        m_handlers.cmdCancel_Click(*this);
        return 0;
    case WM_NCDESTROY:
        m_window.release();
        return DefWindowProcW(window, message, wParam, lParam);
    default:
        break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

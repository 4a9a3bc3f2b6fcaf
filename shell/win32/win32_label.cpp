#include "shell/win32/win32_label.h"

#include <utility>

#include "platform/windows/wide_text.h"
#include "shell/win32/accessible_window.h"
#include "shell/win32/dpi.h"

namespace {
const wchar_t* const kWindowClass = L"ZeitfangLabel";
} // namespace

Win32Label::Win32Label(HWND parent, LabelHost& host, int id, Look look, const std::string& caption,
                       const RECT& rect, UINT dpi)
    : m_host(host), m_id(id), m_look(std::move(look)), m_dpi(dpi), m_shown(widen(caption)),
      m_rect(rect) {
    registerWindowClass(kWindowClass);
    newFont();
    m_window.reset(CreateWindowExW(
        0, kWindowClass, m_shown.c_str(), WS_CHILD | WS_VISIBLE, rect.left, rect.top,
        rect.right - rect.left, rect.bottom - rect.top, parent,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr));
    attachWindowObject(m_window.get(), this);
}

UINT Win32Label::drawFlags() const {
    return DT_NOPREFIX | DT_EXPANDTABS | (m_look.alignment == Alignment::Centre ? DT_CENTER : 0) |
           (m_look.wrap ? DT_WORDBREAK : 0);
}

void Win32Label::newFont() {
    m_font = createFont(m_look.family.c_str(), m_look.points, m_underline, m_dpi);
}

void Win32Label::setCaption(const std::string& caption) {
    m_shown = widen(caption);
    SetWindowTextW(m_window.get(), m_shown.c_str());
    InvalidateRect(m_window.get(), nullptr, FALSE);
    NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, m_window.get(), OBJID_CLIENT, CHILDID_SELF);
}

void Win32Label::setFontSize(double points) {
    m_look.points = points;
    newFont();
    InvalidateRect(m_window.get(), nullptr, FALSE);
}

void Win32Label::setColour(Colour colour) {
    if (m_look.colour == colour)
        return;
    m_look.colour = colour;
    InvalidateRect(m_window.get(), nullptr, FALSE);
}

void Win32Label::setUnderline(bool underline) {
    if (m_underline == underline)
        return;
    m_underline = underline;
    newFont();
    InvalidateRect(m_window.get(), nullptr, FALSE);
}

void Win32Label::setFocusCue(bool on) {
    if (std::exchange(m_focusCue, on) != on)
        InvalidateRect(m_window.get(), nullptr, FALSE);
}

void Win32Label::setDpi(UINT dpi) {
    m_dpi = dpi;
    newFont();
    InvalidateRect(m_window.get(), nullptr, FALSE);
}

SIZE Win32Label::textExtent() const {
    RECT text{0, 0, m_rect.right - m_rect.left, 0};
    const WindowDC dc(m_window.get());
    SelectedObject font(dc.get(), m_font.get());
    // An empty caption still measures one line high, as a label's does.
    DrawTextW(dc.get(), m_shown.empty() ? L" " : m_shown.c_str(), -1, &text,
              DT_CALCRECT | drawFlags());
    return {m_look.wrap       ? m_rect.right - m_rect.left
            : m_shown.empty() ? 0
                              : text.right,
            text.bottom};
}

void Win32Label::place(const RECT& r) {
    if (EqualRect(&r, &m_rect))
        return;
    m_rect = r;
    MoveWindow(m_window.get(), r.left, r.top, r.right - r.left, r.bottom - r.top, TRUE);
}

void Win32Label::paint() {
    const PaintScope paint(m_window.get());
    HDC dc = paint.get();
    const int width = m_rect.right - m_rect.left;
    const int height = m_rect.bottom - m_rect.top;
    // Drawn off screen, so the countdown does not flicker each second.
    UniqueDC buffer(CreateCompatibleDC(dc));
    UniqueBitmap bitmap(CreateCompatibleBitmap(dc, width, height));
    if (buffer && bitmap) {
        SelectedObject canvas(buffer.get(), bitmap.get());
        SetViewportOrgEx(buffer.get(), -m_rect.left, -m_rect.top, nullptr);
        m_host.paintBackground(buffer.get());
        SetViewportOrgEx(buffer.get(), 0, 0, nullptr);
        SelectedObject font(buffer.get(), m_font.get());
        SetBkMode(buffer.get(), TRANSPARENT);
        SetTextColor(buffer.get(), m_look.colour);
        RECT r{0, 0, width, height};
        DrawTextW(buffer.get(), m_shown.c_str(), -1, &r, drawFlags());
        if (m_focusCue && GetFocus() == m_window.get())
            DrawFocusRect(buffer.get(), &r);
        BitBlt(dc, 0, 0, width, height, buffer.get(), 0, 0, SRCCOPY);
    }
}

LRESULT Win32Label::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    HWND window = m_window.get();
    switch (message) {
    case WM_PAINT:
        paint();
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_SETCURSOR:
        if (m_look.command && LOWORD(lParam) == HTCLIENT) {
            SetCursor(LoadCursorW(nullptr, IDC_HAND));
            return TRUE;
        }
        break;
    // Movements over a label stay with it: only the window's own surface resets the looks.
    case WM_MOUSEMOVE:
        m_host.labelMouseMove(m_id);
        return 0;
    case WM_LBUTTONDOWN:
        SetCapture(window);
        return 0;
    case WM_LBUTTONUP:
        if (GetCapture() == window) {
            ReleaseCapture();
            const POINT p{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
            RECT client;
            GetClientRect(window, &client);
            if (PtInRect(&client, p))
                m_host.labelClicked(m_id);
        }
        return 0;
    case BM_CLICK: // a screen reader's default action
        // Posted, it may arrive while a dialog has the window disabled, where a click cannot.
        if (IsWindowEnabled(GetAncestor(window, GA_ROOT)))
            m_host.labelClicked(m_id);
        return 0;
    case WM_KEYDOWN:
        return SendMessageW(GetParent(window), message, wParam, lParam);
    case WM_SETFOCUS:
    case WM_KILLFOCUS: // the cue only while the label has the focus
        InvalidateRect(window, nullptr, FALSE);
        break;
    case WM_GETOBJECT:
        if (static_cast<LONG>(lParam) != OBJID_CLIENT)
            break;
        return accessibleClient(m_host.apartment(), window, wParam,
                                {.description = m_look.toolTip,
                                 .role = m_look.command ? ROLE_SYSTEM_LINK : ROLE_SYSTEM_STATICTEXT,
                                 .defaultAction = m_look.command ? L"Ausführen" : L"",
                                 .legible = m_look.legible});
    case WM_NCDESTROY:
        // Gone with its parent: nothing left to destroy.
        m_window.release();
        return DefWindowProcW(window, message, wParam, lParam);
    default:
        break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

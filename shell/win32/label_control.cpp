#include "shell/win32/label_control.h"

#include <cmath>

#include "platform/windows/wide_text.h"
#include "shell/win32/dpi.h"
#include "shell/win32/window_object.h"

namespace {
const wchar_t* const WindowClass = L"ZeitfangLabel";

UINT drawFlags(LabelControl::Fit fit) {
    return DT_NOPREFIX | DT_EXPANDTABS |
           (fit == LabelControl::Fit::KeepCentre    ? DT_CENTER
            : fit == LabelControl::Fit::WrapToWidth ? DT_WORDBREAK
                                                    : 0);
}
} // namespace

LabelControl::LabelControl(HWND parent, LabelHost& host, const Design& d, UINT dpi)
    : m_host(host), m_id(d.id), m_family(d.family), m_points(d.points), m_fit(d.fit), m_dpi(dpi),
      m_colour(d.colour), m_caption(d.caption), m_shown(widen(d.caption)) {
    registerWindowClass(WindowClass);
    const Twips twips{dpi};
    m_rect = {twips.toPixels(d.left), twips.toPixels(d.top), twips.toPixels(d.left + d.width),
              twips.toPixels(d.top + d.height)};
    newFont();
    // The design's rectangle stays as given until the first caption is set.
    m_window.reset(CreateWindowExW(
        0, WindowClass, m_shown.c_str(), WS_CHILD | WS_VISIBLE, m_rect.left, m_rect.top,
        m_rect.right - m_rect.left, m_rect.bottom - m_rect.top, parent,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(d.id)), GetModuleHandleW(nullptr), nullptr));
    attachWindowObject(m_window.get(), this);
}

void LabelControl::newFont() {
    m_font = createFont(m_family.c_str(), m_points, m_underline, m_dpi);
}

void LabelControl::setCaption(const std::string& caption) {
    m_caption = caption;
    m_shown = widen(caption);
    SetWindowTextW(m_window.get(), m_shown.c_str());
    fitToText();
    InvalidateRect(m_window.get(), nullptr, FALSE);
}

void LabelControl::setFontSize(double points) {
    m_points = points;
    newFont();
    fitToText();
    InvalidateRect(m_window.get(), nullptr, FALSE);
}

void LabelControl::setColour(Colour colour) {
    if (m_colour == colour)
        return;
    m_colour = colour;
    InvalidateRect(m_window.get(), nullptr, FALSE);
}

void LabelControl::setUnderline(bool underline) {
    if (m_underline == underline)
        return;
    m_underline = underline;
    newFont();
    InvalidateRect(m_window.get(), nullptr, FALSE);
}

void LabelControl::moveTo(int left, int top) {
    place({left, top, left + m_rect.right - m_rect.left, top + m_rect.bottom - m_rect.top});
}

void LabelControl::rescale(UINT dpi) {
    const auto scaled = [&](LONG v) {
        return static_cast<LONG>(std::lround(1.0 * v * dpi / m_dpi));
    };
    const RECT r{scaled(m_rect.left), scaled(m_rect.top), scaled(m_rect.right),
                 scaled(m_rect.bottom)};
    m_dpi = dpi;
    newFont();
    place(r);
    InvalidateRect(m_window.get(), nullptr, FALSE);
}

void LabelControl::place(const RECT& r) {
    if (EqualRect(&r, &m_rect))
        return;
    m_rect = r;
    MoveWindow(m_window.get(), r.left, r.top, r.right - r.left, r.bottom - r.top, TRUE);
}

void LabelControl::fitToText() {
    RECT text{0, 0, m_rect.right - m_rect.left, 0};
    {
        const WindowDC dc(m_window.get());
        SelectedObject font(dc.get(), m_font.get());
        // An empty caption still measures one line high, as a label's does.
        DrawTextW(dc.get(), m_shown.empty() ? L" " : m_shown.c_str(), -1, &text,
                  DT_CALCRECT | drawFlags(m_fit));
    }
    RECT r = m_rect;
    if (m_fit != Fit::WrapToWidth) {
        const LONG width = m_shown.empty() ? 0 : text.right;
        if (m_fit == Fit::KeepCentre)
            r.left = static_cast<LONG>(std::lround((m_rect.left + m_rect.right - width) / 2.0));
        r.right = r.left + width;
    }
    r.bottom = r.top + text.bottom;
    place(r);
}

void LabelControl::paint() {
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
        SetTextColor(buffer.get(), m_colour);
        RECT r{0, 0, width, height};
        DrawTextW(buffer.get(), m_shown.c_str(), -1, &r, drawFlags(m_fit));
        BitBlt(dc, 0, 0, width, height, buffer.get(), 0, 0, SRCCOPY);
    }
}

LRESULT LabelControl::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    HWND window = m_window.get();
    switch (message) {
    case WM_PAINT:
        paint();
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_SETCURSOR:
        if (m_hand && LOWORD(lParam) == HTCLIENT) {
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
    case WM_NCDESTROY:
        // Gone with its parent: nothing left to destroy.
        m_window.release();
        return DefWindowProcW(window, message, wParam, lParam);
    default:
        break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

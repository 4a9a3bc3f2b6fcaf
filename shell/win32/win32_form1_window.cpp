#include "shell/win32/win32_form1_window.h"

#include <commctrl.h>

#include "platform/windows/system_function.h"
#include "platform/windows/wide_text.h"
#include "shell/win32/engine_key.h"
#include "shell/win32/message_box.h"
#include "shell/win32/win32_options_window.h"

namespace {
const wchar_t* const kWindowClass = L"ZeitfangForm1";
constexpr UINT_PTR kTimer1 = 1;

int idOf(Control c) {
    return static_cast<int>(c) + 1;
}

Control controlOf(int id) {
    return static_cast<Control>(id - 1);
}
} // namespace

Win32Form1Window::Win32Form1Window(Platform& platform, SharedState& shared) {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    registerWindowClass(kWindowClass, 1);
    const WindowStyle style = windowStyle(form1Design().border);
    const TwipsSize client = form1Design().client;
    const auto frameAt = [&](UINT dpi) {
        m_twips.dpi = dpi;
        return frameSize(m_twips.toPixels(client.width), m_twips.toPixels(client.height),
                         style.style, style.exStyle, dpi);
    };
    // Made at its size for the system's DPI, where it opens unless its monitor has another.
    const SIZE frame = frameAt(windowDpi(nullptr));
    m_window.reset(CreateWindowExW(style.exStyle, kWindowClass, L"", style.style, CW_USEDEFAULT,
                                   CW_USEDEFAULT, frame.cx, frame.cy, nullptr, nullptr, instance,
                                   nullptr));
    attachWindowObject(m_window.get(), this);
    if (const UINT dpi = windowDpi(m_window.get()); dpi != m_twips.dpi) {
        const SIZE resized = frameAt(dpi);
        SetWindowPos(m_window.get(), nullptr, 0, 0, resized.cx, resized.cy,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    createControls();
    m_announcer.emplace(m_window.get(), m_apartment);
    m_form1.emplace(*this, platform, shared);
}

void Win32Form1Window::createControls() {
    const WindowDesign<Control>& design = form1Design();
    // Front to back: a child created later lies behind the ones before it.
    for (const ControlDesign<Control>& c : design.controls) {
        if (c.kind == ControlKind::Shape) {
            m_shapes[c.id] = {c.rect, c.backColour};
            continue;
        }
        const FontDesign& font = design.fontOf(c);
        m_labels[c.id] = std::make_unique<Win32Label>(
            m_window.get(), static_cast<LabelHost&>(*this), idOf(c.id),
            Win32Label::Look{widen(std::string(font.family)), font.points, c.alignment,
                             c.fit == Fit::WrapToWidth, c.foreColour,
                             c.kind == ControlKind::CommandLabel, widen(std::string(c.toolTip)),
                             c.legible},
            std::string(c.caption), pixels(c.rect), m_twips.dpi);
        m_placed[c.id] = c.rect;
        if (!c.toolTip.empty())
            m_toolTipTexts.emplace_back(label(c.id).window(), widen(std::string(c.toolTip)));
    }
}

// The tool tips, and the common controls that show them, are made when the mouse first comes
// over a label: a window that is never pointed at loads neither.
void Win32Form1Window::ensureToolTips(HWND labelWindow) {
    if (m_toolTips || m_toolTipTexts.empty())
        return;
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES};
    if (!callSystem<decltype(InitCommonControlsEx)>(L"comctl32.dll", "InitCommonControlsEx", FALSE,
                                                    &controls))
        return;
    m_toolTips.reset(CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                                     WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                                     CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, m_window.get(),
                                     nullptr, GetModuleHandleW(nullptr), nullptr));
    for (auto& [window, text] : m_toolTipTexts) {
        TTTOOLINFOW tool{};
        // The size the common controls of every Windows version accept.
        tool.cbSize = TTTOOLINFOW_V2_SIZE;
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tool.hwnd = m_window.get();
        tool.uId = reinterpret_cast<UINT_PTR>(window);
        tool.lpszText = text.data(); // the tool tip keeps a copy
        SendMessageW(m_toolTips.get(), TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
    // The move that brought the mouse here starts the tool tip's wait, as later ones do.
    POINT at{};
    GetCursorPos(&at);
    ScreenToClient(labelWindow, &at);
    MSG move{
        labelWindow, WM_MOUSEMOVE, 0, MAKELPARAM(at.x, at.y), static_cast<DWORD>(GetMessageTime()),
        {}};
    SendMessageW(m_toolTips.get(), TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&move));
}

RECT Win32Form1Window::pixels(const TwipsRect& r) const {
    return {m_twips.toPixels(r.left), m_twips.toPixels(r.top), m_twips.toPixels(r.left + r.width),
            m_twips.toPixels(r.top + r.height)};
}

void Win32Form1Window::paintBackground(HDC dc) {
    RECT client;
    GetClientRect(m_window.get(), &client);
    UniqueBrush back(CreateSolidBrush(form1Design().backColour));
    FillRect(dc, &client, back.get());
    // Back to front.
    const auto& controls = form1Design().controls;
    for (auto c = controls.rbegin(); c != controls.rend(); ++c) {
        const auto shape = m_shapes.find(c->id);
        if (shape == m_shapes.end() || !shape->second.visible || shape->second.fill == kTransparent)
            continue;
        const RECT r = pixels(shape->second.rect);
        UniqueBrush fill(CreateSolidBrush(shape->second.fill));
        FillRect(dc, &r, fill.get());
    }
}

void Win32Form1Window::labelMouseMove(int id) {
    ensureToolTips(label(controlOf(id)).window());
    form1().mouseMove(controlOf(id));
}

void Win32Form1Window::labelClicked(int id) {
    form1().click(controlOf(id));
}

void Win32Form1Window::setCaption(const std::string& caption) {
    SetWindowTextW(m_window.get(), widen(caption).c_str());
}

void Win32Form1Window::setCaption(Control control, const std::string& caption) {
    label(control).setCaption(caption);
}

void Win32Form1Window::redrawShape(const Shape& shape) {
    const RECT r = pixels(shape.rect);
    // The labels on the box show it through.
    RedrawWindow(m_window.get(), &r, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
}

void Win32Form1Window::setControlVisible(Control control, bool visible) {
    if (const auto shape = m_shapes.find(control); shape != m_shapes.end()) {
        shape->second.visible = visible;
        redrawShape(shape->second);
    } else {
        ShowWindow(label(control).window(), visible ? SW_SHOWNA : SW_HIDE);
    }
}

void Win32Form1Window::setFontSize(Control control, double points) {
    label(control).setFontSize(points);
}

void Win32Form1Window::setColour(Control control, Colour colour) {
    if (const auto shape = m_shapes.find(control); shape != m_shapes.end()) {
        shape->second.fill = colour;
        redrawShape(shape->second);
    } else {
        label(control).setColour(colour);
    }
}

void Win32Form1Window::setUnderline(Control control, bool underline) {
    label(control).setUnderline(underline);
}

void Win32Form1Window::showFocusCue(std::optional<Control> command) {
    for (const auto& [control, l] : m_labels)
        l->setFocusCue(control == command);
}

bool Win32Form1Window::focusCuesAlways() const {
    BOOL always = FALSE;
    return SystemParametersInfoW(SPI_GETKEYBOARDCUES, 0, &always, 0) && always;
}

TwipsSize Win32Form1Window::textExtent(Control control) const {
    const SIZE size = label(control).textExtent();
    return {m_twips.fromPixels(size.cx), m_twips.fromPixels(size.cy)};
}

void Win32Form1Window::placeControl(Control control, const TwipsRect& rect) {
    if (const auto shape = m_shapes.find(control); shape != m_shapes.end()) {
        shape->second.rect = rect;
        InvalidateRect(m_window.get(), nullptr, FALSE);
        return;
    }
    m_placed[control] = rect;
    label(control).place(pixels(rect));
}

void Win32Form1Window::startTimer(int ms) {
    SetTimer(m_window.get(), kTimer1, static_cast<UINT>(ms), nullptr);
}

void Win32Form1Window::stopTimer() {
    KillTimer(m_window.get(), kTimer1);
}

void Win32Form1Window::messageBox(std::string_view title, const std::string& text,
                                  MessageIcon icon) {
    showMessageBox(m_window.get(), title, text, icon);
}

void Win32Form1Window::setFocus(Control control) {
    m_focus = control;
    SetFocus(label(control).window());
}

void Win32Form1Window::announce(const std::string& text) {
    m_announcer->announce(widen(text));
}

std::optional<Control> Win32Form1Window::focusedControl() const {
    HWND focused = GetFocus();
    if (!focused || GetParent(focused) != m_window.get())
        return std::nullopt;
    return controlOf(GetDlgCtrlID(focused));
}

TwipsSize Win32Form1Window::twipsPerPixel() const {
    return {m_twips.perPixel(), m_twips.perPixel()};
}

std::unique_ptr<OptionsView> Win32Form1Window::newOptionsView() {
    return std::make_unique<Win32OptionsWindow>(*this);
}

std::uint32_t Win32Form1Window::handle() const {
    return static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(m_window.get()));
}

TwipsRect Win32Form1Window::normalRect() const {
    WINDOWPLACEMENT placement{};
    placement.length = sizeof(placement);
    GetWindowPlacement(m_window.get(), &placement);
    const RECT& r = placement.rcNormalPosition;
    return {m_twips.fromPixels(r.left), m_twips.fromPixels(r.top),
            m_twips.fromPixels(r.right - r.left), m_twips.fromPixels(r.bottom - r.top)};
}

void Win32Form1Window::placeNormal(const TwipsRect& rect) {
    const RECT r = pixels(rect);
    const LONG width = r.right - r.left, height = r.bottom - r.top;
    if (!IsWindowVisible(m_window.get())) {
        // SetWindowPlacement would show the window before its time.
        SetWindowPos(m_window.get(), nullptr, r.left, r.top, width, height,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        return;
    }
    WINDOWPLACEMENT placement{};
    placement.length = sizeof(placement);
    GetWindowPlacement(m_window.get(), &placement);
    placement.rcNormalPosition = {r.left, r.top, r.left + width, r.top + height};
    SetWindowPlacement(m_window.get(), &placement);
}

WindowState Win32Form1Window::placementState() const {
    if (!IsWindowVisible(m_window.get()))
        return m_pendingState;
    return IsIconic(m_window.get())   ? WindowState::Minimized
           : IsZoomed(m_window.get()) ? WindowState::Maximized
                                      : WindowState::Normal;
}

void Win32Form1Window::setPlacementState(WindowState state) {
    if (!IsWindowVisible(m_window.get())) {
        m_pendingState = state;
        return;
    }
    ShowWindow(m_window.get(), state == WindowState::Minimized   ? SW_MINIMIZE
                               : state == WindowState::Maximized ? SW_MAXIMIZE
                                                                 : SW_RESTORE);
}

void Win32Form1Window::showWindow() {
    ShowWindow(m_window.get(), m_pendingState == WindowState::Minimized   ? SW_SHOWMINIMIZED
                               : m_pendingState == WindowState::Maximized ? SW_SHOWMAXIMIZED
                                                                          : SW_SHOWNORMAL);
    UpdateWindow(m_window.get());
}

void Win32Form1Window::changeDpi(UINT dpi, const RECT& suggested) {
    m_twips.dpi = dpi;
    for (const auto& [control, l] : m_labels) {
        l->setDpi(dpi);
        l->place(pixels(m_placed[control]));
    }
    SetWindowPos(m_window.get(), nullptr, suggested.left, suggested.top,
                 suggested.right - suggested.left, suggested.bottom - suggested.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(m_window.get(), nullptr, FALSE);
}

LRESULT Win32Form1Window::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    HWND window = m_window.get();
    if (!m_form1) // still being made
        return DefWindowProcW(window, message, wParam, lParam);
    switch (message) {
    case WM_PAINT: {
        const PaintScope paint(window);
        paintBackground(paint.get());
        return 0;
    }
    case WM_ERASEBKGND:
        return 1;
    case WM_TIMER:
        if (wParam == kTimer1)
            form1().timer();
        return 0;
    case WM_MOUSEMOVE:
        form1().mouseMove(std::nullopt);
        return 0;
    case WM_KEYDOWN:
        if (const std::optional<Key> key = engineKey(wParam))
            form1().key(*key);
        return 0;
    case WM_SETFOCUS: // the window activated again: the focus back on its command
        if (m_focus)
            SetFocus(label(*m_focus).window());
        return 0;
    case WM_DPICHANGED:
        changeDpi(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
        return 0;
    case WM_CLOSE:
        form1().close();
        DestroyWindow(window);
        return 0;
    case WM_DESTROY:
        KillTimer(window, kTimer1);
        PostQuitMessage(0);
        return 0;
    case WM_NCDESTROY:
        // The children and the tool tips went with the window.
        m_toolTips.release();
        m_window.release();
        return DefWindowProcW(window, message, wParam, lParam);
    default:
        break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

#include "shell/win32/form1_window.h"

#include <commctrl.h>
#include <shellapi.h>

#include <algorithm>
#include <cmath>

#include "platform/windows/wide_text.h"
#include "shell/win32/options_window.h"

namespace {
const wchar_t* const WindowClass = L"ZeitfangForm1";
constexpr DWORD Style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
constexpr double ClientWidth = 4200;
constexpr double ClientHeight = 2745;
constexpr UINT_PTR Timer1 = 1;
constexpr Colour Back = RGB(235, 235, 235);
constexpr Colour Text = RGB(0, 0, 0);

using Fit = LabelControl::Fit;

int idOf(Control c) {
    return static_cast<int>(c) + 1;
}

struct CommandLabel {
    Control control;
    const wchar_t* toolTip;
    void (Form1::*mouseMove)();
    void (Form1::*click)();
};
const CommandLabel Commands[] = {
    {Control::Lbl_GetTime, L" Synchronisiert die Systemuhr mit dem eBayserver ",
     &Form1::Lbl_GetTime_MouseMove, &Form1::Lbl_GetTime_Click},
    {Control::Lbl_GetArtikel, L" Übernimmt den Artikel aus dem Browser ",
     &Form1::Lbl_GetArtikel_MouseMove, &Form1::Lbl_GetArtikel_Click},
    {Control::Lbl_Optionen, L" Öffnet das Optionsformular ", &Form1::Lbl_Optionen_MouseMove,
     &Form1::Lbl_Optionen_Click},
    {Control::Lbl_GoItem, L" Öffnet die Artikelbeschreibung bei eBay ",
     &Form1::Lbl_GoItem_MouseMove, &Form1::Lbl_GoItem_Click},
};

// Front to back: a child created later lies behind the ones before it.
const LabelControl::Design Labels[] = {
    {idOf(Control::Lbl_GetTime), L"Arial", 9, Fit::Grow, 2340, 1360, 1665, 225,
     "Uhr synchronisieren", CommandBlue},
    {idOf(Control::LabelZeit), L"Arial", 21.75, Fit::KeepCentre, 960, 1560, 495, 495, "34",
     RGB(255, 0, 0)},
    {idOf(Control::Lbl_GetArtikel), L"Arial", 9, Fit::Grow, 2400, 2160, 1605, 225,
     "Artikel übernehmen", CommandBlue},
    {idOf(Control::Lbl_Optionen), L"Arial", 9, Fit::Grow, 2670, 1760, 1335, 225, "zu den Optionen",
     CommandBlue},
    {idOf(Control::Lbl_GoItem), L"Arial", 9, Fit::Grow, 2730, 960, 1275, 225, "Link zum Artikel",
     CommandBlue},
    {idOf(Control::Label2), L"MS Sans Serif", 8.25, Fit::Grow, 360, 720, 840, 195, "Label2gdfg ",
     RGB(247, 255, 244)},
    {idOf(Control::Label1), L"Arial", 11.25, Fit::KeepCentre, 405, 240, 3315, 255,
     "keine Auktionsdaten weit und breit", Text},
    {idOf(Control::Lbl_NoAuction), L"MS Sans Serif", 9.75, Fit::WrapToWidth, 201, 960, 1845, 1440,
     "Öffnen Sie den Artikel, auf den Sie bieten möchten, in Ihrem Internet Explorer und "
     "klicken Sie auf 'Artikel übernehmen'",
     Text},
};

} // namespace

Form1Window::Form1Window(Platform& platform, SharedState& shared) : form1(*this, platform, shared) {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    registerWindowClass(WindowClass, 1);
    m_window.reset(CreateWindowExW(0, WindowClass, L"", Style, CW_USEDEFAULT, CW_USEDEFAULT, 0, 0,
                                   nullptr, nullptr, instance, nullptr));
    attachWindowObject(m_window.get(), this);
    m_twips.dpi = windowDpi(m_window.get());
    const SIZE frame = frameSize(m_twips.toPixels(ClientWidth), m_twips.toPixels(ClientHeight),
                                 Style, 0, m_twips.dpi);
    SetWindowPos(m_window.get(), nullptr, 0, 0, frame.cx, frame.cy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    createControls();
    SetTimer(m_window.get(), Timer1, static_cast<UINT>(m_interval), nullptr);
    m_timerOn = true;
}

void Form1Window::createControls() {
    m_shapes[static_cast<std::size_t>(Control::Shape1)].rect = {2280, 720, 1815, 1935};
    m_shapes[static_cast<std::size_t>(Control::Shape2)].rect = {120, 720, 2055, 1935};
    m_shapes[static_cast<std::size_t>(Control::Shape3)].rect = {120, 120, 3975, 495};
    m_defaultFont = createFont(L"MS Sans Serif", 8.25, false, m_twips.dpi);
    for (const LabelControl::Design& design : Labels)
        m_labels[static_cast<std::size_t>(design.id - 1)] = std::make_unique<LabelControl>(
            m_window.get(), static_cast<LabelHost&>(*this), design, m_twips.dpi);
    m_toolTips.reset(CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                                     WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                                     CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, m_window.get(),
                                     nullptr, GetModuleHandleW(nullptr), nullptr));
    for (const CommandLabel& command : Commands) {
        label(command.control).setHandCursor();
        addToolTip(label(command.control).window(), command.toolTip);
    }
}

void Form1Window::addToolTip(HWND labelWindow, const wchar_t* text) {
    TTTOOLINFOW tool{};
    // The size the common controls of every Windows version accept.
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = m_window.get();
    tool.uId = reinterpret_cast<UINT_PTR>(labelWindow);
    tool.lpszText = const_cast<wchar_t*>(text);
    SendMessageW(m_toolTips.get(), TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

Form1Window::Shape* Form1Window::shape(Control control) {
    const auto i = static_cast<std::size_t>(control);
    return i < m_shapes.size() ? &m_shapes[i] : nullptr;
}

const Form1Window::Shape* Form1Window::shape(Control control) const {
    const auto i = static_cast<std::size_t>(control);
    return i < m_shapes.size() ? &m_shapes[i] : nullptr;
}

LabelControl& Form1Window::label(Control control) const {
    return *m_labels[static_cast<std::size_t>(control)];
}

RECT Form1Window::pixels(const TwipsRect& r) const {
    return {m_twips.toPixels(r.left), m_twips.toPixels(r.top), m_twips.toPixels(r.left + r.width),
            m_twips.toPixels(r.top + r.height)};
}

void Form1Window::paintBackground(HDC dc) {
    RECT client;
    GetClientRect(m_window.get(), &client);
    UniqueBrush back(CreateSolidBrush(Back));
    FillRect(dc, &client, back.get());
    for (const Control c : {Control::Shape2, Control::Shape3, Control::Shape1}) {
        const Shape& s = *shape(c);
        if (!s.visible)
            continue;
        const RECT r = pixels(s.rect);
        UniqueBrush fill(CreateSolidBrush(s.fill));
        FillRect(dc, &r, fill.get());
    }
}

void Form1Window::labelMouseMove(int id) {
    for (const CommandLabel& command : Commands)
        if (idOf(command.control) == id)
            (form1.*command.mouseMove)();
}

void Form1Window::labelClicked(int id) {
    for (const CommandLabel& command : Commands)
        if (idOf(command.control) == id)
            (form1.*command.click)();
}

void Form1Window::setCaption(const std::string& caption) {
    SetWindowTextW(m_window.get(), widen(caption).c_str());
}

void Form1Window::setCaption(Control control, const std::string& caption) {
    label(control).setCaption(caption);
}

std::string Form1Window::caption(Control control) const {
    return label(control).caption();
}

void Form1Window::setControlVisible(Control control, bool visible) {
    if (Shape* s = shape(control)) {
        s->visible = visible;
        const RECT r = pixels(s->rect);
        RedrawWindow(m_window.get(), &r, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
    } else {
        ShowWindow(label(control).window(), visible ? SW_SHOWNA : SW_HIDE);
    }
}

void Form1Window::setFontSize(Control control, double points) {
    label(control).setFontSize(points);
}

void Form1Window::setColour(Control control, Colour colour) {
    if (Shape* s = shape(control)) {
        s->fill = colour;
        const RECT r = pixels(s->rect);
        // The labels on the box show it through.
        RedrawWindow(m_window.get(), &r, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
    } else {
        label(control).setColour(colour);
    }
}

void Form1Window::setUnderline(Control control, bool underline) {
    label(control).setUnderline(underline);
}

TwipsRect Form1Window::controlRect(Control control) const {
    if (const Shape* s = shape(control))
        return s->rect;
    const RECT r = label(control).rect();
    return {m_twips.fromPixels(r.left), m_twips.fromPixels(r.top),
            m_twips.fromPixels(r.right - r.left), m_twips.fromPixels(r.bottom - r.top)};
}

void Form1Window::moveControl(Control control, double left, double top) {
    if (Shape* s = shape(control)) {
        s->rect.left = left;
        s->rect.top = top;
        InvalidateRect(m_window.get(), nullptr, FALSE);
        return;
    }
    label(control).moveTo(m_twips.toPixels(left), m_twips.toPixels(top));
}

void Form1Window::setTimerEnabled(bool enabled) {
    if (enabled && !m_timerOn)
        SetTimer(m_window.get(), Timer1, static_cast<UINT>(m_interval), nullptr);
    else if (!enabled && m_timerOn)
        KillTimer(m_window.get(), Timer1);
    m_timerOn = enabled;
}

void Form1Window::setTimerInterval(int ms) {
    if (ms == m_interval || ms <= 0)
        return;
    m_interval = ms;
    if (m_timerOn)
        SetTimer(m_window.get(), Timer1, static_cast<UINT>(ms), nullptr);
}

void Form1Window::messageBox(const std::string& text, MessageIcon icon) {
    MessageBoxW(m_window.get(), widen(text).c_str(), L"Zeitfang",
                MB_OK | (icon == MessageIcon::Information ? MB_ICONINFORMATION : 0));
}

void Form1Window::showOptions(frmOptions& handlers) {
    OptionsWindow dialog(*this, handlers);
    dialog.run();
}

std::uint32_t Form1Window::handle() const {
    return static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(m_window.get()));
}

TwipsRect Form1Window::normalRect() const {
    WINDOWPLACEMENT placement{};
    placement.length = sizeof(placement);
    GetWindowPlacement(m_window.get(), &placement);
    const RECT& r = placement.rcNormalPosition;
    return {m_twips.fromPixels(r.left), m_twips.fromPixels(r.top),
            m_twips.fromPixels(r.right - r.left), m_twips.fromPixels(r.bottom - r.top)};
}

void Form1Window::placeNormal(const TwipsRect& rect) {
    const RECT r = pixels(rect);
    const int width = std::max(1, static_cast<int>(r.right - r.left));
    const int height = std::max(1, static_cast<int>(r.bottom - r.top));
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

int Form1Window::placementState() const {
    if (!IsWindowVisible(m_window.get()))
        return m_pendingState;
    return IsIconic(m_window.get()) ? 1 : IsZoomed(m_window.get()) ? 2 : 0;
}

void Form1Window::setPlacementState(int state) {
    if (!IsWindowVisible(m_window.get())) {
        m_pendingState = state;
        return;
    }
    ShowWindow(m_window.get(), state == 1 ? SW_MINIMIZE : state == 2 ? SW_MAXIMIZE : SW_RESTORE);
}

void Form1Window::registerHelpFile(const std::string& fileName) {
    std::wstring path(MAX_PATH, L'\0');
    DWORD length = 0;
    while ((length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()))) ==
               path.size() &&
           path.size() < 32768)
        path.resize(path.size() * 2);
    path.resize(length);
    m_helpFile = path.substr(0, path.find_last_of(L"\\/") + 1) + widen(fileName);
}

void Form1Window::showWindow() {
    ShowWindow(m_window.get(), m_pendingState == 1   ? SW_SHOWMINIMIZED
                               : m_pendingState == 2 ? SW_SHOWMAXIMIZED
                                                     : SW_SHOWNORMAL);
    UpdateWindow(m_window.get());
}

void Form1Window::changeDpi(UINT dpi, const RECT& suggested) {
    m_twips.dpi = dpi;
    m_defaultFont = createFont(L"MS Sans Serif", 8.25, false, dpi);
    for (const auto& l : m_labels)
        if (l)
            l->rescale(dpi);
    SetWindowPos(m_window.get(), nullptr, suggested.left, suggested.top,
                 suggested.right - suggested.left, suggested.bottom - suggested.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(m_window.get(), nullptr, FALSE);
}

LRESULT Form1Window::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    HWND window = m_window.get();
    switch (message) {
    case WM_PAINT: {
        const PaintScope paint(window);
        paintBackground(paint.get());
        return 0;
    }
    case WM_ERASEBKGND:
        return 1;
    case WM_TIMER:
        if (wParam == Timer1 && m_timerOn)
            form1.Timer1_Timer();
        return 0;
    case WM_MOUSEMOVE:
        form1.Form_MouseMove();
        return 0;
    case WM_KEYDOWN:
        if (wParam == VK_F1 && !m_helpFile.empty() &&
            GetFileAttributesW(m_helpFile.c_str()) != INVALID_FILE_ATTRIBUTES)
            ShellExecuteW(window, L"open", m_helpFile.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
        return 0;
    case WM_DPICHANGED:
        changeDpi(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
        return 0;
    case WM_CLOSE:
        form1.Form_Unload();
        DestroyWindow(window);
        return 0;
    case WM_DESTROY:
        KillTimer(window, Timer1);
        m_timerOn = false;
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

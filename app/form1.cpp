#include "app/form1.h"

#include <utility>

#include "app/item_page.h"
#include "app/settings_loading.h"
#include "app/window_placement.h"
#include "base/startup_marks.h"
#include "capture/capture_auction.h"
#include "countdown/update_label.h"
#include "options/frm_options.h"
#include "shared/version.h"

Form1::Form1(Form1View& view, Platform& platform, SharedState& shared)
    : m_view(view), m_platform(platform), m_shared(shared), m_display(view),
      m_looks(m_display, view),
      m_clockSync(platform.transfer, platform.clock, platform.events, shared.AppSettings,
                  [this](const std::string& text) { showMessage(m_view, text); }) {}

void Form1::Form1init() {
    m_shared.WindowStyleMask = kStyleVisible | kStyleBorder;
    for (Control shape : {Control::Shape1, Control::Shape2, Control::Shape3})
        m_display.setColour(shape, form1Design()[shape].fillAtStart);
    m_display.setCaption(versionCaption(VersionDetail::MajorMinor));
    m_shared.AppSettings = loadAppSettings(m_platform.settings);
    markStartup("settings");
    CaptureAuction(m_platform.windows, m_display, m_shared, [this] { Update_Label(); });
    markStartup("capture");
    RestoreWindowPlacement(m_view, m_platform.settings, SettingsAppName, SettingsSection, true,
                           m_shared.InstanceCount);
    markStartup("placement");
    Update_Label();
    markStartup("refresh");
}

std::optional<CountdownState> Form1::showCountdown() {
    const std::optional<CountdownState> state = updateCountdown(m_display, m_shared, m_platform);
    return state == std::exchange(m_state, state) ? std::nullopt : state;
}

void Form1::Update_Label() {
    const std::optional<CountdownState> state = showCountdown();
    if (state == CountdownState::LastHour)
        m_view.announce("Letzte Stunde");
    else if (state == CountdownState::FinalMinute)
        m_view.announce("Letzte Minute");
    else if (state == CountdownState::Ended)
        m_view.announce("Auktion beendet");
}

std::string Form1::takenOver() const {
    if (!m_state)
        return m_display.caption(Control::Label1);
    std::string left = m_display.caption(Control::LabelZeit);
    if (const std::size_t br = left.find("\r\n"); br != std::string::npos)
        left.replace(br, 2, " ");
    if (m_state == CountdownState::FinalMinute)
        left += " Sekunden";
    const std::string& item = m_shared.ItemTitle;
    return item.substr(0, item.find_last_not_of(' ') + 1) + ", " + left;
}

void Form1::refresh() {
    // The take-over is heard as a whole; the state it lands in is not announced besides.
    CaptureAuction(m_platform.windows, m_display, m_shared, [this] { showCountdown(); });
    showCountdown();
    m_view.announce(takenOver());
}

void Form1::Timer1_Timer() {
    Update_Label();
}

void Form1::Form_Unload() {
    SaveWindowPlacement(m_view, m_platform.settings, SettingsAppName, SettingsSection);
    m_closed = true;
    // A synchronisation still waiting for the server ends with the window, its answer unused.
    m_clockSync.abandon();
}

void Form1::registerHelpFile() {
    // Registered, not checked: F1 looks for it.
    m_helpFile = m_platform.shell.helpFile();
}

void Form1::show() {
    m_view.showWindow();
    markStartup("shown");
    m_view.setFocus(form1Design().tabOrder().front());
    m_looks.start();
    markStartup("focus");
}

bool Form1::key(Key key) {
    switch (key) {
    case Key::F1:
        if (!m_helpFile.empty() && m_platform.shell.fileExists(m_helpFile))
            m_platform.shell.openFile(m_helpFile);
        return true;
    case Key::Tab:
    case Key::BackTab:
        m_looks.moveFocus(key == Key::Tab);
        return true;
    case Key::Enter:
    case Key::Space:
        if (const std::optional<Control> command = m_looks.focusedCommand()) {
            m_looks.showCue();
            click(*command);
            return true;
        }
        return false;
    default:
        return false;
    }
}

void Form1::syncClockAtStart() {
    if (m_shared.AppSettings.synconstart != 1)
        return;
    m_display.setTimerEnabled(false);
    m_clockSync.SyncClock();
    // Closed during the wait: no countdown without a window.
    if (!m_closed)
        m_display.setTimerEnabled(true);
}

void Form1::Lbl_GetTime_MouseMove() {
    m_looks.hover(Control::Lbl_GetTime);
}

void Form1::Lbl_GetArtikel_MouseMove() {
    m_looks.hover(Control::Lbl_GetArtikel);
}

void Form1::Lbl_Optionen_MouseMove() {
    m_looks.hover(Control::Lbl_Optionen);
}

void Form1::Lbl_GoItem_MouseMove() {
    if (!m_shared.ItemNumber.empty())
        m_looks.hover(Control::Lbl_GoItem);
}

void Form1::Form_MouseMove() {
    m_looks.reset();
}

void Form1::Lbl_GetArtikel_Click() {
    refresh();
}

void Form1::Lbl_GetTime_Click() {
    m_clockSync.SyncClock();
}

void Form1::Lbl_Optionen_Click() {
    // No movements reach the window while the dialog is open.
    m_looks.normal(Control::Lbl_Optionen);
    const std::unique_ptr<OptionsView> dialog = m_view.newOptionsView();
    frmOptions options(*dialog, m_shared.AppSettings, m_platform.settings);
    m_optionsOpen = true;
    options.show();
    m_optionsOpen = false;
    m_looks.redrawCue(); // where the keyboard left it
}

void Form1::Lbl_GoItem_Click() {
    // A screen reader says why nothing opens; the window shows it already.
    if (m_shared.ItemNumber.empty())
        return m_view.announce(m_display.caption(Control::Label1));
    m_platform.shell.open(itemPageUrl(ZEITFANG_ITEM_HOST, m_shared.ItemNumber));
}

void Form1::click(Control control) {
    if (m_optionsOpen)
        return;
    switch (control) {
    case Control::Lbl_GetTime:
        return Lbl_GetTime_Click();
    case Control::Lbl_GetArtikel:
        return Lbl_GetArtikel_Click();
    case Control::Lbl_Optionen:
        return Lbl_Optionen_Click();
    case Control::Lbl_GoItem:
        return Lbl_GoItem_Click();
    default:
        return;
    }
}

void Form1::mouseMove(std::optional<Control> control) {
    if (!control)
        return Form_MouseMove();
    switch (*control) {
    case Control::Lbl_GetTime:
        return Lbl_GetTime_MouseMove();
    case Control::Lbl_GetArtikel:
        return Lbl_GetArtikel_MouseMove();
    case Control::Lbl_Optionen:
        return Lbl_Optionen_MouseMove();
    case Control::Lbl_GoItem:
        return Lbl_GoItem_MouseMove();
    // The window's own surface, the boxes included, which take no mouse of their own.
    case Control::Shape1:
    case Control::Shape2:
    case Control::Shape3:
        return Form_MouseMove();
    default:
        return;
    }
}

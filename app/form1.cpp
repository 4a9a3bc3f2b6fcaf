#include "app/form1.h"

#include "app/item_page.h"
#include "app/settings_loading.h"
#include "app/window_placement.h"
#include "capture/capture_auction.h"
#include "countdown/update_label.h"
#include "options/frm_options.h"
#include "shared/version.h"

Form1::Form1(Form1View& view, Platform& platform, SharedState& shared)
    : m_view(view), m_platform(platform), m_shared(shared), m_display(view),
      m_clockSync(platform.transfer, platform.clock, platform.events, shared.AppSettings,
                  [this](const std::string& text) { showMessage(m_view, text); }) {}

void Form1::Form1init() {
    m_shared.WindowStyleMask = WS_VISIBLE | WS_BORDER;
    for (Control shape : {Control::Shape1, Control::Shape2, Control::Shape3})
        m_display.setColour(shape, form1Design()[shape].fillAtStart);
    m_display.setCaption(versionCaption(VersionDetail::MajorMinor));
    m_shared.AppSettings = loadAppSettings(m_platform.settings);
    CaptureAuction(m_platform.windows, m_display, m_shared, [this] { Update_Label(); });
    RestoreWindowPlacement(m_view, m_platform.settings, SettingsAppName, SettingsSection, true,
                           m_shared.InstanceCount);
    Update_Label();
}

void Form1::Update_Label() {
    updateCountdown(m_display, m_shared, m_platform);
}

void Form1::refresh() {
    CaptureAuction(m_platform.windows, m_display, m_shared, [this] { Update_Label(); });
    Update_Label();
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
    m_helpFile = m_platform.shell.programFolder() + "zeitfang.chm";
}

bool Form1::key(Key key) {
    if (key != Key::F1)
        return false;
    if (!m_helpFile.empty() && m_platform.shell.fileExists(m_helpFile))
        m_platform.shell.openFile(m_helpFile);
    return true;
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

void Form1::hover(Control label) {
    m_display.setColour(label, kCommandRed);
    m_display.setUnderline(label, true);
}

void Form1::normalLook(Control label) {
    m_display.setColour(label, kCommandBlue);
    m_display.setUnderline(label, false);
}

void Form1::Lbl_GetTime_MouseMove() {
    hover(Control::Lbl_GetTime);
}

void Form1::Lbl_GetArtikel_MouseMove() {
    hover(Control::Lbl_GetArtikel);
}

void Form1::Lbl_Optionen_MouseMove() {
    hover(Control::Lbl_Optionen);
}

void Form1::Lbl_GoItem_MouseMove() {
    if (!m_shared.ItemNumber.empty())
        hover(Control::Lbl_GoItem);
}

void Form1::Form_MouseMove() {
    for (Control label : {Control::Lbl_GoItem, Control::Lbl_GetArtikel, Control::Lbl_Optionen,
                          Control::Lbl_GetTime})
        normalLook(label);
}

void Form1::Lbl_GetArtikel_Click() {
    refresh();
}

void Form1::Lbl_GetTime_Click() {
    m_clockSync.SyncClock();
}

void Form1::Lbl_Optionen_Click() {
    normalLook(Control::Lbl_Optionen); // no movements reach the window while the dialog is open
    const std::unique_ptr<OptionsView> dialog = m_view.newOptionsView();
    frmOptions options(*dialog, m_shared.AppSettings, m_platform.settings);
    options.show();
}

void Form1::Lbl_GoItem_Click() {
    if (m_shared.ItemNumber.empty())
        return;
    m_platform.shell.open(itemPageUrl(ZEITFANG_ITEM_HOST, m_shared.ItemNumber));
}

void Form1::click(Control control) {
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

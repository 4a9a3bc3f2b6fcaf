#include "app/form1.h"

#include "app/item_page.h"
#include "app/settings_loading.h"
#include "app/window_placement.h"
#include "capture/capture_auction.h"
#include "options/frm_options.h"

Form1::Form1(Form1View& formView, Platform& platformServices, SharedState& sharedState)
    : view(formView), platform(platformServices), shared(sharedState),
      clockSync(platform.transfer, platform.clock, platform.events, shared.AppSettings,
                [this](const std::string& text) { view.messageBox(text, MessageIcon::None); }) {}

void Form1::setCaption(const std::string& caption) {
    m_caption = caption;
    view.setCaption(caption);
}

void Form1::setTimerEnabled(bool enabled) {
    m_timerEnabled = enabled;
    view.setTimerEnabled(enabled);
}

void Form1::setTimerInterval(int ms) {
    view.setTimerInterval(ms);
}

void Form1::centreOnShape2(Control label) {
    const TwipsRect shape = view.controlRect(Control::Shape2);
    const TwipsRect r = view.controlRect(label);
    view.moveControl(label, r.left, shape.top + shape.height / 2 - r.height / 2);
}

void Form1::Form1init() {
    shared.WindowStyleMask = WS_VISIBLE | WS_BORDER;
    view.setColour(Control::Shape1, RGB(244, 255, 247));
    view.setColour(Control::Shape2, RGB(255, 255, 232));
    view.setColour(Control::Shape3, RGB(255, 244, 244));
    setCaption(" Zeitfang " + std::to_string(ZEITFANG_VERSION_MAJOR) + "." +
               std::to_string(ZEITFANG_VERSION_MINOR));
    shared.AppSettings = LoadAppSettings(platform.settings);
    CaptureAuction(*this);
    RestoreWindowPlacement(*this, SettingsAppName, SettingsSection, true);
    Update_Label();
}

void Form1::Refresh() {
    CaptureAuction(*this);
    Update_Label();
}

void Form1::Timer1_Timer() {
    Update_Label();
}

void Form1::Form_Unload() {
    SaveWindowPlacement(*this, SettingsAppName, SettingsSection);
    m_closed = true;
    // A synchronisation still waiting for the server ends with the window, its answer unused.
    clockSync.abandon();
}

void Form1::hover(Control label) {
    view.setColour(label, CommandRed);
    view.setUnderline(label, true);
}

void Form1::normalLook(Control label) {
    view.setColour(label, CommandBlue);
    view.setUnderline(label, false);
}

void Form1::Lbl_GoItem_MouseMove() {
    if (!shared.ItemNumber.empty())
        hover(Control::Lbl_GoItem);
}

void Form1::Form_MouseMove() {
    for (Control label : {Control::Lbl_GoItem, Control::Lbl_GetArtikel, Control::Lbl_Optionen,
                          Control::Lbl_GetTime})
        normalLook(label);
}

void Form1::Lbl_GetArtikel_Click() {
    Refresh();
}

void Form1::Lbl_GetTime_Click() {
    clockSync.SyncClock();
}

void Form1::Lbl_Optionen_Click() {
    normalLook(Control::Lbl_Optionen); // no movements reach the window while the dialog is open
    frmOptions options(shared.AppSettings, platform.settings);
    view.showOptions(options);
}

void Form1::Lbl_GoItem_Click() {
    if (shared.ItemNumber.empty())
        return;
    platform.shell.open(ItemPageUrl(ZEITFANG_ITEM_HOST, shared.ItemNumber));
}

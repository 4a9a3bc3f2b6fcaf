#include "options/frm_options.h"

#include "options/warn_seconds.h"
#include "shared/shared_state.h"

namespace {

struct Box {
    OptionsControl check;
    std::int16_t AppSettingsRecord::*field;
};
constexpr Box kBoxes[] = {{OptionsControl::Check_msgonsync, &AppSettingsRecord::msgonsync},
                          {OptionsControl::Check_synconstart, &AppSettingsRecord::synconstart},
                          {OptionsControl::Check_Warnton, &AppSettingsRecord::warnton}};

CheckState stateOf(std::int16_t flag) {
    return flag == 0 ? CheckState::Unchecked : flag == 1 ? CheckState::Checked : CheckState::Greyed;
}

// A greyed box keeps the flag it was shown with.
std::int16_t flagOf(CheckState state, std::int16_t shown) {
    switch (state) {
    case CheckState::Unchecked:
        return 0;
    case CheckState::Checked:
        return 1;
    default:
        return shown;
    }
}

} // namespace

frmOptions::frmOptions(OptionsView& view, AppSettingsRecord& settings, SettingsStore& store)
    : m_view(view), m_settings(settings), m_store(store) {}

void frmOptions::show() {
    Form_Load();
    m_view.showModal(*this);
}

void frmOptions::setCheck(OptionsControl box, CheckState state) {
    m_checks[box] = state;
    m_view.setValue(box, state);
}

void frmOptions::Form_Load() {
    // At the pointer, 500 twips left and 1800 twips up of it; no check against the screen.
    const CursorPosition cursor = m_view.cursorPosition();
    const TwipsSize pixel = m_view.twipsPerPixel();
    m_view.moveDialog(cursor.x * pixel.width - 500, cursor.y * pixel.height - 1800);
    m_shown = m_settings;
    for (const Box& box : kBoxes)
        setCheck(box.check, stateOf(m_shown.*box.field));
    m_view.setWarnTonSekText(std::to_string(m_shown.warntonsek));
    m_view.setFocus(optionsDesign().tabOrder().front());
}

void frmOptions::cmdOK_Click() {
    // The flags act at once, even when the seconds are refused below.
    for (const Box& box : kBoxes)
        m_settings.*box.field = flagOf(m_checks[box.check], m_shown.*box.field);
    const std::optional<std::int16_t> seconds = parseWarnSeconds(m_view.warnTonSekText());
    if (!seconds) {
        showMessage(m_view, "Es sind nur Zahlen grösser 0 zulässig!", MessageIcon::Information);
        return;
    }
    m_settings.warntonsek = *seconds;
    for (const PreferenceKey& key : kPreferenceKeys)
        m_store.writeSetting(SettingsAppName, SettingsSection, key.key,
                             std::to_string(m_settings.*key.field));
    m_view.unload();
}

void frmOptions::cmdCancel_Click() {
    m_view.unload();
}

void frmOptions::click(OptionsControl control) {
    switch (control) {
    case OptionsControl::cmdOK:
        cmdOK_Click();
        return;
    case OptionsControl::cmdCancel:
        cmdCancel_Click();
        return;
    case OptionsControl::Check_msgonsync:
    case OptionsControl::Check_synconstart:
    case OptionsControl::Check_Warnton:
        // A greyed box, ticked or cleared once, is an ordinary one.
        setCheck(control, m_checks[control] == CheckState::Checked ? CheckState::Unchecked
                                                                   : CheckState::Checked);
        return;
    default:
        return;
    }
}

bool frmOptions::key(Key key) {
    const WindowDesign<OptionsControl>& design = optionsDesign();
    std::optional<OptionsControl> button;
    if (key == Key::Escape) {
        button = design.find(&ControlDesign<OptionsControl>::isCancel);
    } else if (key == Key::Enter) {
        button = m_view.focusedControl();
        if (!button || design[*button].kind != ControlKind::Button)
            button = design.find(&ControlDesign<OptionsControl>::isDefault);
    }
    if (!button)
        return false;
    click(*button);
    return true;
}

#include "options/frm_options.h"

#include "app/shared/shared_state.h"
#include "options/logic/warn_seconds.h"

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

frmOptions::frmOptions(AppSettingsRecord& settings, SettingsStore& store)
    : m_settings(settings), m_store(store) {}

void frmOptions::setCheck(OptionsView& view, OptionsControl box, CheckState state) {
    m_checks[box] = state;
    view.setValue(box, state);
}

void frmOptions::Form_Load(OptionsView& view) {
    // At the pointer, 500 twips left and 1800 twips up of it; no check against the screen.
    const CursorPosition cursor = view.cursorPosition();
    view.moveDialog(cursor.x * view.twipsPerPixelX() - 500,
                    cursor.y * view.twipsPerPixelY() - 1800);
    m_shown = m_settings;
    for (const Box& box : kBoxes)
        setCheck(view, box.check, stateOf(m_shown.*box.field));
    view.setWarnTonSekText(std::to_string(m_shown.warntonsek));
}

void frmOptions::cmdOK_Click(OptionsView& view) {
    // The flags act at once, even when the seconds are refused below.
    for (const Box& box : kBoxes)
        m_settings.*box.field = flagOf(m_checks[box.check], m_shown.*box.field);
    const std::optional<std::int16_t> seconds = parseWarnSeconds(view.warnTonSekText());
    if (!seconds) {
        showMessage(view, "Es sind nur Zahlen grösser 0 zulässig!", MessageIcon::Information);
        return;
    }
    m_settings.warntonsek = *seconds;
    for (const PreferenceKey& key : kPreferenceKeys)
        m_store.SaveSetting(SettingsAppName, SettingsSection, key.key,
                            std::to_string(m_settings.*key.field));
    view.unload();
}

void frmOptions::cmdCancel_Click(OptionsView& view) {
    view.unload();
}

void frmOptions::click(OptionsView& view, OptionsControl control) {
    switch (control) {
    case OptionsControl::cmdOK:
        cmdOK_Click(view);
        return;
    case OptionsControl::cmdCancel:
        cmdCancel_Click(view);
        return;
    case OptionsControl::Check_msgonsync:
    case OptionsControl::Check_synconstart:
    case OptionsControl::Check_Warnton:
        // A greyed box, ticked or cleared once, is an ordinary one.
        setCheck(view, control,
                 m_checks[control] == CheckState::Checked ? CheckState::Unchecked
                                                          : CheckState::Checked);
        return;
    default:
        return;
    }
}

void frmOptions::enterKey(OptionsView& view, OptionsControl focused) {
    click(view,
          focused == OptionsControl::cmdCancel ? OptionsControl::cmdCancel : OptionsControl::cmdOK);
}

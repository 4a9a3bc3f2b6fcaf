#pragma once

#include <map>

#include "app/logic/app_settings.h"
#include "options/options_view.h"
#include "platform/settings_store.h"

// The options dialog's behaviour: the four preferences of AppSettings shown on each opening,
// validated and written by OK. Lives for one opening.
class frmOptions {
  public:
    frmOptions(AppSettingsRecord& settings, SettingsStore& store);

    void Form_Load(OptionsView& view);
    void cmdOK_Click(OptionsView& view);
    void cmdCancel_Click(OptionsView& view);
    // A click on a button or a check box, by its name.
    void click(OptionsView& view, OptionsControl control);
    // Enter presses the focused button, and answers OK wherever else the focus is; Esc cancels.
    void enterKey(OptionsView& view, OptionsControl focused);
    void escapeKey(OptionsView& view) { cmdCancel_Click(view); }

  private:
    void setCheck(OptionsView& view, OptionsControl box, CheckState state);

    AppSettingsRecord& m_settings;
    SettingsStore& m_store;
    AppSettingsRecord m_shown; // the record as the dialog opened with it
    std::map<OptionsControl, CheckState> m_checks;
};

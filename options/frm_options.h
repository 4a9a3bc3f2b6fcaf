#pragma once

#include <map>

#include "platform/settings_store.h"
#include "shared/app_settings.h"
#include "shared/options_view.h"
#include "shared/window_controller.h"

// The options dialog's behaviour: the four preferences of AppSettings shown on each opening,
// validated and written by OK. Lives for one opening, with its dialog.
// NOLINTNEXTLINE(readability-identifier-naming)
class frmOptions final : public WindowController<OptionsControl> {
  public:
    frmOptions(OptionsView& view, AppSettingsRecord& settings, SettingsStore& store);

    // Loads the dialog and shows it modally; returns when it has been closed.
    void show();

    // A click on a button or a check box, by its name.
    void click(OptionsControl control) override;
    void mouseMove(std::optional<OptionsControl>) override {}
    // Enter presses the focused button, and the default one wherever else the focus is; Esc
    // presses the cancel button.
    bool key(Key key) override;
    // The close box does what Abbrechen does.
    void close() override { cmdCancel_Click(); }
    void timer() override {}

  private:
    void Form_Load();       // NOLINT(readability-identifier-naming)
    void cmdOK_Click();     // NOLINT(readability-identifier-naming)
    void cmdCancel_Click(); // NOLINT(readability-identifier-naming)
    void setCheck(OptionsControl box, CheckState state);

    OptionsView& m_view;
    AppSettingsRecord& m_settings;
    SettingsStore& m_store;
    AppSettingsRecord m_shown; // the record as the dialog opened with it
    std::map<OptionsControl, CheckState> m_checks;
};

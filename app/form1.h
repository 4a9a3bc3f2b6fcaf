#pragma once

#include <string>

#include "app/command_looks.h"
#include "clock/clock_sync.h"
#include "countdown/countdown.h"
#include "platform/platform.h"
#include "shared/form1_model.h"
#include "shared/shared_state.h"
#include "shared/window_controller.h"

// The main window's behaviour: its initialisation, the countdown refresh, the timer tick, the
// unload and the four commands, shown through whatever toolkit implements the view.
class Form1 final : public WindowController<Control> {
  public:
    // Timer1 runs from here on, as designed.
    Form1(Form1View& view, Platform& platform, SharedState& shared);

    void Form1init();    // NOLINT(readability-identifier-naming)
    void Update_Label(); // NOLINT(readability-identifier-naming)
    // Captures the auction and refreshes the display, as "Artikel übernehmen" does.
    void refresh();

    // A click or a mouse movement on a control, by its name; the controls without handlers of
    // their own ignore them. No command runs while the options dialog is open: a screen reader's
    // action can still reach the window then, a click cannot.
    void click(Control control) override;
    void mouseMove(std::optional<Control> control) override;
    // F1 opens the registered help file when it exists; Tab and Shift+Tab move the focus among
    // the commands, and Enter or Space runs the focused one as a click does.
    bool key(Key key) override;
    void close() override { Form_Unload(); }
    void timer() override { Timer1_Timer(); }

    // The steps of the start that follow Form1init.
    void registerHelpFile();
    // The focus on the first command, as a dialog gives it to its first control.
    void show();
    // Only when the user chose it ("synconstart" exactly 1), with Timer1 off while it runs and
    // on afterwards, unless the window was closed meanwhile.
    void syncClockAtStart();

    // True once the window has been closed; the program then ends.
    bool closed() const { return m_closed; }
    const Form1Model& display() const { return m_display; }

  private:
    // The refresh; returns the state shown when it differs from the one shown before.
    std::optional<CountdownState> showCountdown();
    // What a screen reader hears after a take-over: the item and the time left, or why none.
    std::string takenOver() const;
    void Timer1_Timer();             // NOLINT(readability-identifier-naming)
    void Form_Unload();              // NOLINT(readability-identifier-naming)
    void Form_MouseMove();           // NOLINT(readability-identifier-naming)
    void Lbl_GetArtikel_Click();     // NOLINT(readability-identifier-naming)
    void Lbl_GetTime_Click();        // NOLINT(readability-identifier-naming)
    void Lbl_Optionen_Click();       // NOLINT(readability-identifier-naming)
    void Lbl_GoItem_Click();         // NOLINT(readability-identifier-naming)
    void Lbl_GetTime_MouseMove();    // NOLINT(readability-identifier-naming)
    void Lbl_GetArtikel_MouseMove(); // NOLINT(readability-identifier-naming)
    void Lbl_Optionen_MouseMove();   // NOLINT(readability-identifier-naming)
    void Lbl_GoItem_MouseMove();     // NOLINT(readability-identifier-naming)

    Form1View& m_view;
    Platform& m_platform;
    SharedState& m_shared;
    Form1Model m_display;
    CommandLooks m_looks;
    // The display state last shown, so that a screen reader hears of each change that matters.
    std::optional<CountdownState> m_state;
    // SyncClock and Inet1_StateChanged with the state they share.
    ClockSync m_clockSync;
    std::string m_helpFile;
    bool m_closed = false;
    bool m_optionsOpen = false;
};

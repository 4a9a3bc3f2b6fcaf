#pragma once

#include <string>

#include "app/shared/form1_display.h"
#include "app/shared/shared_state.h"
#include "clock/clock_sync.h"
#include "platform/platform.h"

// The main window's behaviour: its initialisation, the countdown refresh, the timer tick, the
// unload and the four commands, shown through whatever toolkit implements the view.
class Form1 {
  public:
    Form1(Form1View& view, Platform& platform, SharedState& shared);

    void Form1init();
    void Update_Label();
    // Captures the auction and refreshes the display, as "Artikel übernehmen" does.
    void refresh();

    void Timer1_Timer();
    void Form_Unload();
    void Form_MouseMove();
    void Lbl_GetArtikel_Click();
    void Lbl_GetTime_Click();
    void Lbl_Optionen_Click();
    void Lbl_GoItem_Click();
    void Lbl_GetTime_MouseMove() { hover(Control::Lbl_GetTime); }
    void Lbl_GetArtikel_MouseMove() { hover(Control::Lbl_GetArtikel); }
    void Lbl_Optionen_MouseMove() { hover(Control::Lbl_Optionen); }
    void Lbl_GoItem_MouseMove();

    // A click or a mouse movement on a control, by its name; the controls without handlers of
    // their own ignore them.
    void click(Control control);
    void mouseMove(Control control);
    // F1 opens the registered help file when it exists.
    void helpKey();

    // The steps of the start that follow Form1init.
    void registerHelpFile();
    void show() { m_view.showWindow(); }
    // Only when the user chose it ("synconstart" exactly 1), with Timer1 off while it runs and
    // on afterwards, unless the window was closed meanwhile.
    void syncClockAtStart();

    // True once the window has been closed; the program then ends.
    bool closed() const { return m_closed; }
    const Form1Display& display() const { return m_display; }

  private:
    void hover(Control label);
    void normalLook(Control label);

    Form1View& m_view;
    Platform& m_platform;
    SharedState& m_shared;
    Form1Display m_display;
    // SyncClock and Inet1_StateChanged with the state they share.
    ClockSync m_clockSync;
    std::string m_helpFile;
    bool m_closed = false;
};

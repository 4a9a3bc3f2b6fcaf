#pragma once

#include <string>

#include "app/form1_view.h"
#include "app/shared_state.h"
#include "clock/clock_sync.h"
#include "platform/platform.h"

// The main window's behaviour: its initialisation, the countdown refresh, the timer tick, the
// unload and the four commands, applied to whatever toolkit implements the view.
class Form1 {
  public:
    Form1(Form1View& view, Platform& platform, SharedState& shared);

    void Form1init();
    void Update_Label();
    // Captures the auction and refreshes the display, as "Artikel übernehmen" does.
    void Refresh();

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

    // The window's title as last set, and the timer's state as last set.
    const std::string& caption() const { return m_caption; }
    void setCaption(const std::string& caption);
    bool timerEnabled() const { return m_timerEnabled; }
    // True once the window has been closed; the program then ends.
    bool closed() const { return m_closed; }
    void setTimerEnabled(bool enabled);
    void setTimerInterval(int ms);
    // Centres a label vertically on Shape2; its left edge stays.
    void centreOnShape2(Control label);

    Form1View& view;
    Platform& platform;
    SharedState& shared;
    // SyncClock and Inet1_StateChanged with the state they share.
    ClockSync clockSync;

  private:
    void hover(Control label);
    void normalLook(Control label);

    std::string m_caption;
    bool m_timerEnabled = true;
    bool m_closed = false;
};

inline constexpr Colour CommandBlue = RGB(0, 0, 255);
inline constexpr Colour CommandRed = RGB(255, 0, 0);

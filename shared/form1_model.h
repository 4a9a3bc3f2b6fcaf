#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "shared/form1_view.h"

// What the main window shows, kept by the engine and handed to the view: the window's caption,
// each control's caption, look and place, and Timer1. The view is asked only to draw and to
// measure a label's text.
class Form1Model {
  public:
    // Timer1 starts as designed: enabled, every 500 ms.
    explicit Form1Model(Form1View& view);

    const std::string& caption() const { return m_caption; }
    void setCaption(const std::string& caption);
    // The final minute's seconds in the title, which a screen reader need not hear each second.
    void setTickingCaption(const std::string& caption);
    // Switching Timer1 on while it runs keeps its phase, and so does an unchanged period.
    void setTimerEnabled(bool enabled);
    void setTimerInterval(int ms);
    // The window's id on the desktop, 0 while it does not exist yet.
    std::uint32_t handle() const { return m_view.handle(); }

    const std::string& caption(Control label) const { return shown(label).caption; }
    // A new caption or font size fits the label to its text anew.
    void setCaption(Control label, const std::string& caption);
    void setFontSize(Control label, double points);
    void setColour(Control control, Colour colour);
    void setUnderline(Control label, bool underline);
    void setVisible(Control control, bool visible);
    const TwipsRect& rect(Control control) const { return shown(control).rect; }
    // Centres the label vertically on Shape2; its left edge stays.
    void centreOnShape2(Control label);

  private:
    struct Shown {
        std::string caption;
        TwipsRect rect;
    };
    Shown& shown(Control c) { return m_shown[static_cast<std::size_t>(c)]; }
    const Shown& shown(Control c) const { return m_shown[static_cast<std::size_t>(c)]; }
    void fit(Control label);

    Form1View& m_view;
    std::string m_caption;
    bool m_timerEnabled = true;
    int m_timerInterval = kTimer1Interval;
    std::array<Shown, kControlCount> m_shown;
};

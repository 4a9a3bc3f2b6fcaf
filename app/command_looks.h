#pragma once

#include <optional>

#include "shared/form1_model.h"

// The looks of the four commands, normal or hover (red, underlined). The mouse gives a command
// the hover look until it next moves over the window's own surface. Once the keyboard has been
// used the command with the focus wears the focus cue, as Windows shows its focus cues, until
// that same movement hides the cue again; the next key shows it anew. Where the desktop is set
// to show the cues always, it shows from the start and stays.
class CommandLooks {
  public:
    CommandLooks(Form1Model& display, Form1View& view);

    // The mouse over a command.
    void hover(Control command);
    // The cue from the start, where the desktop always shows it.
    void start();
    // The mouse over the window's surface: all four normal, the cue hidden.
    void reset();
    // One command normal, whatever mouse or keyboard gave it.
    void normal(Control command);
    // Tab and Shift+Tab: the focus on the next or previous command, round in their tab order.
    void moveFocus(bool forward);
    // The keyboard in use: the focused command wears the cue.
    void showCue() {
        m_cue = true;
        redrawCue();
    }
    // The cue on the command that has the focus now.
    void redrawCue();
    std::optional<Control> focusedCommand() const;

  private:
    void draw(Control command, bool hover);

    Form1Model& m_display;
    Form1View& m_view;
    bool m_cue = false;
};

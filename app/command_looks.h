#pragma once

#include <optional>
#include <set>

#include "shared/form1_model.h"

// The looks of the four commands, normal or hover (red, underlined). The mouse gives a command
// the hover look until it next moves over the window's own surface. Once the keyboard has been
// used the command with the focus wears it too, as Windows shows its focus cues, until that same
// movement hides the cue again; the next key shows it anew.
class CommandLooks {
  public:
    CommandLooks(Form1Model& display, WindowView<Control>& view);

    // The mouse over a command.
    void hover(Control command);
    // The mouse over the window's surface: all four normal, the cue hidden.
    void reset();
    // One command normal, whatever mouse or keyboard gave it.
    void normal(Control command);
    // Tab and Shift+Tab: the focus on the next or previous command, round in their tab order.
    void moveFocus(bool forward);
    // The keyboard in use: the focused command wears the hover look.
    void showCue() {
        m_cue = true;
        redrawCue();
    }
    // The cue drawn again where normal() took it away.
    void redrawCue();
    std::optional<Control> focusedCommand() const;

  private:
    void draw(Control command, bool hover);

    Form1Model& m_display;
    WindowView<Control>& m_view;
    std::set<Control> m_hovered;
    bool m_cue = false;
};

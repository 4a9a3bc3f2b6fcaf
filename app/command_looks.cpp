#include "app/command_looks.h"

#include <algorithm>

CommandLooks::CommandLooks(Form1Model& display, Form1View& view)
    : m_display(display), m_view(view) {}

void CommandLooks::draw(Control command, bool hover) {
    m_display.setColour(command, hover ? kCommandRed : kCommandBlue);
    m_display.setUnderline(command, hover);
}

void CommandLooks::hover(Control command) {
    draw(command, true);
}

void CommandLooks::start() {
    if (m_view.focusCuesAlways())
        showCue();
}

void CommandLooks::reset() {
    for (Control command : {Control::Lbl_GoItem, Control::Lbl_GetArtikel, Control::Lbl_Optionen,
                            Control::Lbl_GetTime})
        draw(command, false);
    if (m_cue && !m_view.focusCuesAlways()) {
        m_cue = false;
        m_view.showFocusCue(std::nullopt);
    }
}

void CommandLooks::normal(Control command) {
    draw(command, false);
}

std::optional<Control> CommandLooks::focusedCommand() const {
    const std::optional<Control> focused = m_view.focusedControl();
    return focused && form1Design()[*focused].tabIndex >= 0 ? focused : std::nullopt;
}

void CommandLooks::moveFocus(bool forward) {
    const std::vector<Control> order = form1Design().tabOrder();
    const std::optional<Control> from = focusedCommand();
    // From none, Tab goes to the first and Shift+Tab to the last.
    const std::size_t at =
        from      ? static_cast<std::size_t>(std::ranges::find(order, *from) - order.begin())
        : forward ? order.size() - 1
                  : 0;
    m_view.setFocus(order[(at + (forward ? 1 : order.size() - 1)) % order.size()]);
    showCue();
}

void CommandLooks::redrawCue() {
    if (m_cue)
        m_view.showFocusCue(focusedCommand());
}

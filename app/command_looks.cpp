#include "app/command_looks.h"

#include <algorithm>

CommandLooks::CommandLooks(Form1Model& display, WindowView<Control>& view)
    : m_display(display), m_view(view) {}

void CommandLooks::draw(Control command, bool hover) {
    m_display.setColour(command, hover ? kCommandRed : kCommandBlue);
    m_display.setUnderline(command, hover);
}

void CommandLooks::hover(Control command) {
    m_hovered.insert(command);
    draw(command, true);
}

void CommandLooks::reset() {
    m_hovered.clear();
    m_cue = false;
    for (Control command : {Control::Lbl_GoItem, Control::Lbl_GetArtikel, Control::Lbl_Optionen,
                            Control::Lbl_GetTime})
        draw(command, false);
}

void CommandLooks::normal(Control command) {
    m_hovered.erase(command);
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
    if (from && m_cue)
        draw(*from, m_hovered.contains(*from));
    showCue();
}

void CommandLooks::redrawCue() {
    if (const std::optional<Control> focused = focusedCommand(); focused && m_cue)
        draw(*focused, true);
}

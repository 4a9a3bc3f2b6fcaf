#pragma once

#include <string>

#include "shared/options_design.h"
#include "shared/window_controller.h"
#include "shared/window_view.h"

struct CursorPosition {
    int x = 0, y = 0; // screen pixels
};

// Greyed shows a flag other than 0 or 1, which only a hand-edited store holds.
enum class CheckState { Unchecked, Checked, Greyed };

// What the engine asks of a toolkit's options dialog, which it has created from optionsDesign().
class OptionsView : public WindowView<OptionsControl> {
  public:
    virtual ~OptionsView() = default;
    virtual void setValue(OptionsControl box, CheckState state) = 0;
    virtual void setWarnTonSekText(const std::string& text) = 0;
    virtual std::string warnTonSekText() const = 0;

    virtual CursorPosition cursorPosition() const = 0;
    // Moves the dialog, keeping its size.
    virtual void moveDialog(double left, double top) = 0;
    // Shows the dialog modally over its owner, telling the controller what happens in it, and
    // returns when it has been unloaded.
    virtual void showModal(WindowController<OptionsControl>& controller) = 0;
    virtual void unload() = 0;
};

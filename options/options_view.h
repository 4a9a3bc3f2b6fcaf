#pragma once

#include <string>

#include "app/shared/message_box.h"
#include "options/options_design.h"

struct CursorPosition {
    int x = 0, y = 0; // screen pixels
};

// Greyed shows a flag other than 0 or 1, which only a hand-edited store holds.
enum class CheckState { Unchecked, Checked, Greyed };

// What the engine asks of a toolkit's options dialog, which it has created from optionsDesign().
class OptionsView : public MessageBoxOwner {
  public:
    virtual ~OptionsView() = default;
    virtual void setValue(OptionsControl box, CheckState state) = 0;
    virtual void setWarnTonSekText(const std::string& text) = 0;
    virtual std::string warnTonSekText() const = 0;

    virtual CursorPosition cursorPosition() const = 0;
    virtual double twipsPerPixelX() const = 0;
    virtual double twipsPerPixelY() const = 0;
    // Moves the dialog, keeping its size.
    virtual void moveDialog(double left, double top) = 0;
    virtual void unload() = 0;
};

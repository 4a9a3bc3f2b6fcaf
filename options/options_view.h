#pragma once

#include <string>

#include "app/form1_view.h"

// The options dialog's controls as the engine sees them.
enum class OptionsCheck { Check_msgonsync, Check_synconstart, Check_Warnton };
// Greyed shows a flag other than 0 or 1, which only a hand-edited store holds; ticking or
// clearing the box makes it an ordinary one.
enum class CheckState { Unchecked, Checked, Greyed };

class OptionsView {
  public:
    virtual ~OptionsView() = default;
    virtual void setValue(OptionsCheck box, CheckState state) = 0;
    virtual CheckState value(OptionsCheck box) const = 0;
    virtual void setWarnTonSekText(const std::string& text) = 0;
    virtual std::string warnTonSekText() const = 0;

    virtual CursorPosition cursorPosition() const = 0;
    virtual double twipsPerPixelX() const = 0;
    virtual double twipsPerPixelY() const = 0;
    // Moves the dialog, keeping its size.
    virtual void moveDialog(double left, double top) = 0;
    virtual void messageBox(const std::string& text, MessageIcon icon) = 0;
    virtual void unload() = 0;
};

#pragma once

#include <optional>

#include "base/control_design.h"
#include "shared/message_box.h"

// What every window's controller asks of the toolkit's window, which was made from the window's
// design: message boxes over it, the keyboard focus among its controls, its screen's scale.
template <class Id> class WindowView : public MessageBoxOwner {
  public:
    virtual void setFocus(Id control) = 0;
    // None while the focus is on none of the window's controls.
    virtual std::optional<Id> focusedControl() const = 0;
    // The size of one screen pixel.
    virtual TwipsSize twipsPerPixel() const = 0;

  protected:
    ~WindowView() = default;
};

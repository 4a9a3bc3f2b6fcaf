#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "shared/form1_design.h"
#include "shared/options_view.h"
#include "shared/window_view.h"

enum class WindowState { Normal = 0, Minimized = 1, Maximized = 2 };

// What the engine asks of a toolkit's main window, which it has created from form1Design().
// Texts are UTF-8; a label's caption keeps its "\r\n" line breaks. The engine places every
// control; the view draws.
class Form1View : public WindowView<Control> {
  public:
    virtual ~Form1View() = default;

    virtual void setCaption(const std::string& caption) = 0; // the window's title
    // A title that changes every second, which a screen reader need not read out each time.
    virtual void setTickingCaption(const std::string& caption) { setCaption(caption); }
    virtual void setCaption(Control label, const std::string& caption) = 0;
    virtual void setControlVisible(Control control, bool visible) = 0;
    virtual void setFontSize(Control label, double points) = 0;
    // A label's text colour, a shape's fill colour.
    virtual void setColour(Control control, Colour colour) = 0;
    virtual void setUnderline(Control label, bool underline) = 0;
    // The keyboard's focus cue, a dotted rectangle, on this command while it has the focus, or
    // on none.
    virtual void showFocusCue(std::optional<Control> command) = 0;
    // True when the desktop is set to show the focus cues always, not only once a key is used.
    virtual bool focusCuesAlways() const = 0;
    // The size of the label's present caption in its present font; a label that wraps measures
    // it at its design width.
    virtual TwipsSize textExtent(Control label) const = 0;
    virtual void placeControl(Control control, const TwipsRect& rect) = 0;
    // Tells a screen reader at once, where the toolkit can, what a sighted user sees change.
    virtual void announce(const std::string& text) = 0;

    // Timer1: ticks every `ms` from now on, or not at all.
    virtual void startTimer(int ms) = 0;
    virtual void stopTimer() = 0;

    // The options dialog, made from its design and owned by this window, not shown yet.
    virtual std::unique_ptr<OptionsView> newOptionsView() = 0;

    // The window's id on the desktop, 0 while it does not exist yet.
    virtual std::uint32_t handle() const = 0;
    // The client area's normal (neither minimised nor maximised) rectangle.
    virtual TwipsRect normalRect() const = 0;
    virtual void placeNormal(const TwipsRect& rect) = 0;
    virtual WindowState placementState() const = 0;
    virtual void setPlacementState(WindowState state) = 0;
    virtual void showWindow() = 0;
};

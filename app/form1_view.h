#pragma once

#include <cstdint>
#include <string>

class frmOptions;

// The main window's controls, by their design names.
enum class Control {
    Shape1,
    Shape2,
    Shape3,
    Label1,
    Label2,
    LabelZeit,
    Lbl_NoAuction,
    Lbl_GoItem,
    Lbl_GetTime,
    Lbl_GetArtikel,
    Lbl_Optionen
};

// red + 256 × (green + 256 × blue)
using Colour = std::uint32_t;
// <windows.h> has it as a macro giving the same value.
#ifndef RGB
constexpr Colour RGB(int red, int green, int blue) {
    return static_cast<Colour>(red + 256 * (green + 256 * blue));
}
#endif

// Positions and sizes in twips (1/1440 inch).
struct TwipsRect {
    double left = 0, top = 0, width = 0, height = 0;
    bool operator==(const TwipsRect&) const = default;
};

struct CursorPosition {
    int x = 0, y = 0; // screen pixels
};

enum class MessageIcon { None, Information };

// What the engine asks of a toolkit's main window. Texts are UTF-8; a label's caption keeps
// its "\r\n" line breaks, and the label sizes itself to it as the design wants.
class Form1View {
  public:
    virtual ~Form1View() = default;

    virtual void setCaption(const std::string& caption) = 0; // the window's title
    virtual void setCaption(Control label, const std::string& caption) = 0;
    virtual std::string caption(Control label) const = 0;
    virtual void setControlVisible(Control control, bool visible) = 0;
    virtual void setFontSize(Control label, double points) = 0;
    // A label's text colour, a shape's fill colour.
    virtual void setColour(Control control, Colour colour) = 0;
    virtual void setUnderline(Control label, bool underline) = 0;
    virtual TwipsRect controlRect(Control control) const = 0;
    virtual void moveControl(Control control, double left, double top) = 0;

    // Switching Timer1 on while it runs keeps its phase; an unchanged period does not restart it.
    virtual void setTimerEnabled(bool enabled) = 0;
    virtual void setTimerInterval(int ms) = 0;

    // Modal, with the application's title "Zeitfang"; returns when answered.
    virtual void messageBox(const std::string& text, MessageIcon icon) = 0;
    // Opens the options dialog modally over the window, bound to the handlers; returns when it
    // has been closed.
    virtual void showOptions(frmOptions& handlers) = 0;

    // The window's id on the desktop, 0 while it does not exist yet.
    virtual std::uint32_t handle() const = 0;
    // The client area's normal (neither minimised nor maximised) rectangle, and the window
    // state: 0 normal, 1 minimised, 2 maximised.
    virtual TwipsRect normalRect() const = 0;
    virtual void placeNormal(const TwipsRect& rect) = 0;
    virtual int placementState() const = 0;
    virtual void setPlacementState(int state) = 0;
    // F1 opens this file from the program's folder when it exists.
    virtual void registerHelpFile(const std::string& fileName) = 0;
    virtual void showWindow() = 0;
};

#pragma once

#include <algorithm>
#include <climits>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

// red + 256 × (green + 256 × blue)
using Colour = std::uint32_t;
// The same value as Windows' RGB macro gives.
constexpr Colour rgb(int red, int green, int blue) {
    return static_cast<Colour>(red + 256 * (green + 256 * blue));
}
// Beyond every rgb value: what lies behind shows through.
inline constexpr Colour kTransparent = 0x01000000;

// Positions and sizes in twips (1/1440 inch).
struct TwipsRect {
    double left = 0, top = 0, width = 0, height = 0;
    bool operator==(const TwipsRect&) const = default;
};

struct TwipsSize {
    double width = 0, height = 0;
};

enum class ControlKind { Shape, Label, CommandLabel, CheckBox, TextBox, Button };
enum class Alignment { Left, Centre };
// How a label sizes itself to its text.
enum class Fit { Fixed, Grow, KeepCentre, WrapToWidth };

// Regular weight, neither italic nor underlined.
struct FontDesign {
    std::string_view family;
    double points = 0;
};

// One control as the window's designer placed it.
template <class Id> struct ControlDesign {
    Id id;
    ControlKind kind;
    TwipsRect rect;
    std::string_view caption = {};
    FontDesign font = {};
    Colour foreColour = rgb(0, 0, 0);
    Colour backColour = kTransparent; // a shape's fill, a control's background
    Alignment alignment = Alignment::Left;
    Fit fit = Fit::Fixed;
    std::string_view toolTip = {};
    int tabIndex = -1;      // -1: takes no focus
    bool isDefault = false; // the button Enter presses where the focus is on no button
    bool isCancel = false;  // the button Esc presses
    int maxLength = 0;      // a text box's; 0: no limit
    // What a screen reader calls it, where its caption does not say it: a text box by its line.
    std::string_view accessibleName = {};
    // False for a text drawn in a colour nobody can tell from its box: not read out either.
    bool legible = true;
    // A shape's fill once the window has been initialised, over the one it was designed with.
    Colour fillAtStart = kTransparent;
};

// A text box's limit as a toolkit takes it.
constexpr int maxLengthOf(int designed) {
    return designed > 0 ? designed : INT_MAX;
}

enum class Border { FixedSingle, FixedDialog };

// What a border makes of the window's frame and title bar.
struct Frame {
    bool minimizeButton = false;
    bool dialogFrame = false;
};
constexpr Frame frameOf(Border border) {
    // Neither is resizable nor has a maximise button; both have the close box.
    return border == Border::FixedSingle ? Frame{true, false} : Frame{false, true};
}

// A window as its designer left it; its controls listed front to back.
template <class Id> struct WindowDesign {
    std::string_view caption = {};
    Border border;
    TwipsSize client;
    Colour backColour;
    FontDesign font = {};
    std::span<const ControlDesign<Id>> controls;

    const ControlDesign<Id>& operator[](Id id) const {
        for (const ControlDesign<Id>& c : controls)
            if (c.id == id)
                return c;
        return controls.front(); // every id has its design; unreachable
    }
    // A control without a font of its own takes the window's.
    const FontDesign& fontOf(const ControlDesign<Id>& c) const {
        return c.font.family.empty() ? font : c.font;
    }
    // The controls that take the focus, in their tab order.
    std::vector<Id> tabOrder() const {
        std::vector<const ControlDesign<Id>*> order;
        for (const ControlDesign<Id>& c : controls)
            if (c.tabIndex >= 0)
                order.push_back(&c);
        std::sort(order.begin(), order.end(),
                  [](const auto* a, const auto* b) { return a->tabIndex < b->tabIndex; });
        std::vector<Id> ids;
        for (const auto* c : order)
            ids.push_back(c->id);
        return ids;
    }
    std::optional<Id> find(bool ControlDesign<Id>::*flag) const {
        for (const ControlDesign<Id>& c : controls)
            if (c.*flag)
                return c.id;
        return std::nullopt;
    }
};

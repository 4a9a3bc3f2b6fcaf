#pragma once

#include <cstdint>
#include <span>
#include <string_view>

// red + 256 × (green + 256 × blue)
using Colour = std::uint32_t;
// <windows.h> has it as a macro giving the same value.
#ifndef RGB
constexpr Colour RGB(int red, int green, int blue) {
    return static_cast<Colour>(red + 256 * (green + 256 * blue));
}
#endif
// Beyond every RGB value: what lies behind shows through.
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
    Colour foreColour = RGB(0, 0, 0);
    Colour backColour = kTransparent; // a shape's fill, a control's background
    Alignment alignment = Alignment::Left;
    Fit fit = Fit::Fixed;
    std::string_view toolTip = {};
    int tabIndex = -1; // -1: takes no focus
};

enum class Border { FixedSingle, FixedDialog };

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
};

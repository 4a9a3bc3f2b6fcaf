#pragma once

#include "base/control_design.h"

// The main window's controls, by their design names.
enum class Control {
    Shape1,
    Shape2,
    Shape3,
    Label1,
    Label2,
    LabelZeit,
    Lbl_NoAuction,  // NOLINT(readability-identifier-naming)
    Lbl_GoItem,     // NOLINT(readability-identifier-naming)
    Lbl_GetTime,    // NOLINT(readability-identifier-naming)
    Lbl_GetArtikel, // NOLINT(readability-identifier-naming)
    Lbl_Optionen    // NOLINT(readability-identifier-naming)
};
inline constexpr int kControlCount = 11;

// The main window `Form1` as designed: a small fixed panel with three pastel boxes, a status
// line, the countdown or a hint, and four commands that look like web links.
const WindowDesign<Control>& form1Design();

// Timer1 as designed: enabled, ticking every 500 ms.
inline constexpr int kTimer1Interval = 500;

inline constexpr Colour kCommandBlue = rgb(0, 0, 255);
inline constexpr Colour kCommandRed = rgb(255, 0, 0);

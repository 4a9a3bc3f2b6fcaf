#pragma once

#include <cstdint>
#include <string>

// The two style bits the scan tests, as the window list reports them.
// <windows.h> has them as macros of the same values.
#ifndef WS_VISIBLE
inline constexpr std::uint32_t WS_VISIBLE = 0x10000000; // NOLINT(readability-identifier-naming)
inline constexpr std::uint32_t WS_BORDER = 0x00800000;  // NOLINT(readability-identifier-naming)
#endif

struct DesktopWindow {
    std::uint32_t handle = 0; // the X window id of the client window
    std::uint32_t style = 0;  // WS_VISIBLE and WS_BORDER as they apply
    std::u32string title;     // may stay empty for a window without both style bits
};

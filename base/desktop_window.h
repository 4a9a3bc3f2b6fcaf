#pragma once

#include <cstdint>
#include <string>

// The two style bits the scan tests, as the window list reports them: the values Windows gives
// its visible and bordered windows, so a Windows style word passes unchanged.
inline constexpr std::uint32_t kStyleVisible = 0x10000000;
inline constexpr std::uint32_t kStyleBorder = 0x00800000;

struct DesktopWindow {
    std::uint32_t handle = 0; // the X window id of the client window
    std::uint32_t style = 0;  // kStyleVisible and kStyleBorder as they apply
    std::u32string title;     // may stay empty for a window without both style bits
};

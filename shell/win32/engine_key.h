#pragma once

#include <optional>

#include "shared/window_controller.h"

#include <windows.h>

// A key a window's controller is told of, by its virtual-key code.
inline std::optional<Key> engineKey(WPARAM key) {
    switch (key) {
    case VK_TAB:
        return GetKeyState(VK_SHIFT) < 0 ? Key::BackTab : Key::Tab;
    case VK_RETURN:
        return Key::Enter;
    case VK_SPACE:
        return Key::Space;
    case VK_ESCAPE:
        return Key::Escape;
    case VK_F1:
        return Key::F1;
    default:
        return std::nullopt;
    }
}

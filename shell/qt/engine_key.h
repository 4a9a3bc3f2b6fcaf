#pragma once

#include <QKeyEvent>
#include <optional>

#include "shared/window_controller.h"

// A key a window's controller is told of; Tab and Shift+Tab reach it through the window's
// focusNextPrevChild.
inline std::optional<Key> engineKey(const QKeyEvent& event) {
    switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return Key::Enter;
    case Qt::Key_Escape:
        return Key::Escape;
    case Qt::Key_Space:
        return Key::Space;
    case Qt::Key_F1:
        return Key::F1;
    default:
        return std::nullopt;
    }
}

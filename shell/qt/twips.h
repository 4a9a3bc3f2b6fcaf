#pragma once

#include <QRect>
#include <cmath>

#include "base/control_design.h"

// Twips (1/1440 inch) and pixels at a screen's logical resolution.
struct Twips {
    double perPixelX = 15, perPixelY = 15;

    int x(double twips) const { return static_cast<int>(std::lround(twips / perPixelX)); }
    int y(double twips) const { return static_cast<int>(std::lround(twips / perPixelY)); }
    QRect pixels(const TwipsRect& r) const {
        return {x(r.left), y(r.top), x(r.width), y(r.height)};
    }
    TwipsRect twips(const QRect& r) const {
        return {r.x() * perPixelX, r.y() * perPixelY, r.width() * perPixelX,
                r.height() * perPixelY};
    }
};

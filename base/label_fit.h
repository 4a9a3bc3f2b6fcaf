#pragma once

#include "base/control_design.h"

// Where a label lies once its text measures `extent`: grown from its design's left edge, or
// around its design's centre, or wrapped at its design's width; its top stays at `top`.
// Always from the design, so no rounding can add up over many changes of text.
TwipsRect fitLabel(const TwipsRect& design, double top, Fit fit, TwipsSize extent);

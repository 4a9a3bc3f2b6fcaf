#include "base/label_fit.h"

TwipsRect fitLabel(const TwipsRect& design, double top, Fit fit, TwipsSize extent) {
    switch (fit) {
    case Fit::Fixed:
        return {design.left, top, design.width, design.height};
    case Fit::Grow:
        return {design.left, top, extent.width, extent.height};
    case Fit::KeepCentre:
        return {design.left + (design.width - extent.width) / 2, top, extent.width, extent.height};
    case Fit::WrapToWidth:
        break;
    }
    return {design.left, top, design.width, extent.height};
}

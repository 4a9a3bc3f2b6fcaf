#pragma once

#include <QWidget>
#include <map>

#include "app/logic/control_design.h"
#include "shell/qt/twips.h"

class QStyle;

QColor qtColour(Colour colour);
// The design's font, with a metric-compatible stand-in where the family is not installed.
QFont designFont(const FontDesign& font);
// Lays a window out as designed: fixed client size, background, font, title.
void applyWindowDesign(QWidget& window, const Twips& twips, std::string_view caption,
                       TwipsSize client, Colour back, const FontDesign& font);

// Makes controls as designed on one window, each in front of those made before it. Buttons are
// drawn by `buttonStyle`, which must outlive them.
struct ControlFactory {
    QWidget& window;
    Twips twips;
    QStyle* buttonStyle = nullptr;

    QWidget* create(ControlKind kind, const TwipsRect& rect, std::string_view caption,
                    const FontDesign& font, Colour fore, Colour back, Alignment alignment, Fit fit,
                    std::string_view toolTip) const;
};

// Every control of a window's design, made back to front, by id; the focus goes round them in
// their design's tab order.
template <class Id>
std::map<Id, QWidget*> createControls(const ControlFactory& factory,
                                      const WindowDesign<Id>& design) {
    applyWindowDesign(factory.window, factory.twips, design.caption, design.client,
                      design.backColour, design.font);
    std::map<Id, QWidget*> made;
    std::map<int, QWidget*> tabOrder;
    for (auto c = design.controls.rbegin(); c != design.controls.rend(); ++c) {
        made[c->id] = factory.create(c->kind, c->rect, c->caption,
                                     c->font.family.empty() ? design.font : c->font, c->foreColour,
                                     c->backColour, c->alignment, c->fit, c->toolTip);
        if (c->tabIndex >= 0)
            tabOrder[c->tabIndex] = made[c->id];
    }
    QWidget* previous = nullptr;
    for (const auto& [index, widget] : tabOrder) {
        if (previous)
            QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
    return made;
}

#pragma once

#include <QVariant>
#include <QWidget>
#include <map>
#include <optional>

#include "base/control_design.h"
#include "shell/qt/qt_label.h"
#include "shell/qt/twips.h"

class QStyle;

QColor qtColour(Colour colour);
// The design's font, with a metric-compatible stand-in where the family is not installed.
QFont designFont(const FontDesign& font);
// Lays a window out as designed: frame and title-bar buttons, fixed client size, background,
// font, title.
void applyWindowDesign(QWidget& window, const Twips& twips, Border border, std::string_view caption,
                       TwipsSize client, Colour back, const FontDesign& font);

// The name a control is known by to its window's controller.
inline const char* const kControlProperty = "zeitfangControl";
template <class Id> std::optional<Id> controlOf(const QWidget* widget) {
    const QVariant id = widget ? widget->property(kControlProperty) : QVariant();
    if (!id.isValid())
        return std::nullopt;
    return static_cast<Id>(id.toInt());
}

// Makes controls as designed on one window, each in front of those made before it. Buttons are
// drawn by `buttonStyle`, which must outlive them.
struct ControlFactory {
    QWidget& window;
    Twips twips;
    QStyle* buttonStyle = nullptr;

    QWidget* create(ControlKind kind, const TwipsRect& rect, std::string_view caption,
                    const FontDesign& font, Colour fore, Colour back, Alignment alignment, Fit fit,
                    std::string_view toolTip, bool isDefault, int maxLength) const;
};

// Every control of a window's design, made back to front, by id; the focus goes round them in
// their design's tab order.
template <class Id>
std::map<Id, QWidget*> createControls(const ControlFactory& factory,
                                      const WindowDesign<Id>& design) {
    applyWindowDesign(factory.window, factory.twips, design.border, design.caption, design.client,
                      design.backColour, design.font);
    std::map<Id, QWidget*> made;
    for (auto c = design.controls.rbegin(); c != design.controls.rend(); ++c) {
        made[c->id] = factory.create(c->kind, c->rect, c->caption, design.fontOf(*c), c->foreColour,
                                     c->backColour, c->alignment, c->fit, c->toolTip, c->isDefault,
                                     c->maxLength);
        made[c->id]->setProperty(kControlProperty, static_cast<int>(c->id));
        made[c->id]->setAccessibleName(QString::fromUtf8(
            c->accessibleName.data(), static_cast<qsizetype>(c->accessibleName.size())));
        if (auto* label = qobject_cast<QtLabel*>(made[c->id]))
            label->setLegible(c->legible);
    }
    QWidget* previous = nullptr;
    for (Id id : design.tabOrder()) {
        if (previous)
            QWidget::setTabOrder(previous, made[id]);
        previous = made[id];
    }
    return made;
}

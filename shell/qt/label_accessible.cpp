#include "shell/qt/label_accessible.h"

#include <QTimer>

#include "shell/qt/qt_label.h"

LabelAccessible::LabelAccessible(QtLabel* label) : QAccessibleWidget(label) {}

QAccessibleInterface* LabelAccessible::create(const QString& className, QObject* object) {
    auto* label = qobject_cast<QtLabel*>(object);
    return className == QLatin1String("QtLabel") && label ? new LabelAccessible(label) : nullptr;
}

QtLabel* LabelAccessible::label() const {
    return static_cast<QtLabel*>(widget());
}

QString LabelAccessible::shown() const {
    return label()->legible() ? label()->text() : QString();
}

void* LabelAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QAccessible::Role LabelAccessible::role() const {
    return label()->isCommand() ? QAccessible::Link : QAccessible::StaticText;
}

QAccessible::State LabelAccessible::state() const {
    QAccessible::State state = QAccessibleWidget::state();
    state.invisible |= !label()->legible();
    return state;
}

QString LabelAccessible::text(QAccessible::Text type) const {
    if (!label()->legible())
        return {};
    if (type == QAccessible::Name && widget()->accessibleName().isEmpty())
        return shown();
    return QAccessibleWidget::text(type); // the description is the tool tip
}

QStringList LabelAccessible::actionNames() const {
    return label()->isCommand() ? QStringList{pressAction(), setFocusAction()} : QStringList{};
}

void LabelAccessible::doAction(const QString& name) {
    // Later, so that the screen reader has its answer before a dialog opens.
    if (name == pressAction() && label()->isCommand())
        QTimer::singleShot(0, label(), &QtLabel::clicked);
    else if (name == setFocusAction() && label()->isCommand())
        label()->setFocus(Qt::OtherFocusReason); // as AT-SPI's grab focus asks
}

QString LabelAccessible::attributes(int offset, int* start, int* end) const {
    *start = offset;
    *end = offset;
    return {};
}

#include "shell/qt/window_accessible.h"

#include "shell/qt/qt_form1_window.h"

QAccessibleInterface* WindowAccessible::create(const QString& className, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (className == QLatin1String("QtForm1Window") && widget)
        return new WindowAccessible(widget);
    if (className == QLatin1String("QtNotice") && widget)
        return new QAccessibleWidget(widget, QAccessible::Notification);
    return nullptr;
}

QString WindowAccessible::text(QAccessible::Text type) const {
    if (type == QAccessible::Name)
        return static_cast<QtForm1Window*>(widget())->spokenCaption();
    return QAccessibleWidget::text(type);
}

QtNotice::QtNotice(QWidget* window) : QWidget(window) {
    setGeometry(0, 0, 0, 0);
    hide();
}

void QtNotice::announce(const QString& text) {
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QAccessibleAnnouncementEvent event(parentWidget(), text);
    event.setPoliteness(QAccessible::AnnouncementPoliteness::Assertive);
    QAccessible::updateAccessibility(&event);
#else
    if (!QAccessible::isActive())
        return;
    hide();
    setAccessibleName(text);
    show();
#endif
}

#pragma once

#include <QAccessibleWidget>
#include <QString>
#include <QWidget>

// The main window as a screen reader expects a window: a frame named by its title, though not by
// a title that changes every second, which a screen reader would read out each time.
class WindowAccessible : public QAccessibleWidget {
  public:
    explicit WindowAccessible(QWidget* window) : QAccessibleWidget(window, QAccessible::Window) {}
    // For QAccessible::installFactory: the main window and its notice are described so.
    static QAccessibleInterface* create(const QString& className, QObject* object);

    QString text(QAccessible::Text type) const override;
};

// Tells a screen reader what the engine announces, at once and whichever window is active: with
// Qt 6.8 and later as an AT-SPI announcement; before, as an object of role notification that
// appears, which Orca speaks as it becomes showing. It is empty and of no size: nobody sees it,
// and without a screen reader it never appears.
class QtNotice : public QWidget {
    Q_OBJECT
  public:
    explicit QtNotice(QWidget* window);
    void announce(const QString& text);
};

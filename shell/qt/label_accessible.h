#pragma once

#include <QAccessibleWidget>

class QtLabel;

// A label as a screen reader meets it: its caption readable as text; a command a link named by
// its caption and described by its tool tip, with an action that runs it; a label drawn where
// nobody can read it saying nothing at all.
class LabelAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
  public:
    explicit LabelAccessible(QtLabel* label);
    // For QAccessible::installFactory: every QtLabel is described so.
    static QAccessibleInterface* create(const QString& className, QObject* object);

    void* interface_cast(QAccessible::InterfaceType type) override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    QString text(QAccessible::Text type) const override;
    QStringList actionNames() const override;
    void doAction(const QString& name) override;

    QString text(int start, int end) const override { return shown().mid(start, end - start); }
    int characterCount() const override { return static_cast<int>(shown().size()); }
    QString attributes(int offset, int* start, int* end) const override;
    // Nothing selectable, no cursor, nothing to scroll.
    void selection(int, int* start, int* end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}

  private:
    QtLabel* label() const;
    QString shown() const;
};

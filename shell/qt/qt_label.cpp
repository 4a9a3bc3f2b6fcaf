#include "shell/qt/qt_label.h"

#include <QAccessible>
#include <QMouseEvent>

#include "shell/qt/label_accessible.h"

QtLabel::QtLabel(QWidget* parent, const QFont& font, Alignment alignment, bool wrap)
    : QLabel(parent) {
    QAccessible::installFactory(&LabelAccessible::create); // once, however often asked
    setFont(font);
    setTextFormat(Qt::PlainText); // an item title is never markup
    setMargin(0);
    setMouseTracking(true);
    setWordWrap(wrap);
    setAlignment((alignment == Alignment::Centre ? Qt::AlignHCenter : Qt::AlignLeft) |
                 Qt::AlignTop);
}

void QtLabel::makeCommand() {
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
}

void QtLabel::setCaption(const QString& caption) {
    m_caption = caption;
    QString shown = caption;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    setText(shown);
}

void QtLabel::setFontSize(double pointSize) {
    QFont f = font();
    f.setPointSizeF(pointSize);
    setFont(f);
}

void QtLabel::setForeColor(const QColor& colour) {
    QPalette p = palette();
    p.setColor(QPalette::WindowText, colour);
    setPalette(p);
}

QColor QtLabel::foreColor() const {
    return palette().color(QPalette::WindowText);
}

void QtLabel::setUnderline(bool on) {
    QFont f = font();
    f.setUnderline(on);
    setFont(f);
}

QSize QtLabel::textExtent() const {
    return wordWrap() ? QSize(width(), heightForWidth(width())) : sizeHint();
}

// Movements over a label stay with it: only the window's own surface resets the command looks.
void QtLabel::mouseMoveEvent(QMouseEvent* event) {
    emit mouseMoved();
    event->accept();
}

void QtLabel::mousePressEvent(QMouseEvent* event) {
    event->accept();
}

void QtLabel::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

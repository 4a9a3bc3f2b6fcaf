#include "shell/qt/qt_label.h"

#include <QAccessible>
#include <QMouseEvent>
#include <QPainter>
#include <utility>

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

void QtLabel::setFocusCue(bool on) {
    if (std::exchange(m_focusCue, on) != on)
        update();
}

void QtLabel::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (!m_focusCue || !hasFocus())
        return;
    // As Windows draws its focus rectangle: one dot on, one off, round the label's edge, dark on
    // the light boxes.
    QPainter painter(this);
    QPen dots(Qt::black, 1, Qt::CustomDashLine);
    dots.setDashPattern({1, 1});
    dots.setCosmetic(true);
    painter.setPen(dots);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
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

#include "shell/qt/vb_label.h"

#include <QMouseEvent>
#include <cmath>

VbLabel::VbLabel(QWidget* parent, const QString& family, double pointSize, Fit fit)
    : QLabel(parent), m_fit(fit) {
    QFont f(family);
    f.setPointSizeF(pointSize);
    f.setWeight(QFont::Normal);
    setFont(f);
    setTextFormat(Qt::PlainText); // an item title is never markup
    setMargin(0);
    setMouseTracking(true);
    setWordWrap(fit == Fit::WrapToWidth);
    if (fit == Fit::KeepCentre)
        setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    else
        setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void VbLabel::setCaption(const QString& caption) {
    show(caption);
    fitToText();
}

void VbLabel::setDesignCaption(const QString& caption) {
    show(caption);
}

void VbLabel::show(const QString& caption) {
    m_caption = caption;
    QString shown = caption;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    setText(shown);
}

void VbLabel::setFontSize(double pointSize) {
    QFont f = font();
    f.setPointSizeF(pointSize);
    setFont(f);
    fitToText();
}

void VbLabel::setForeColor(const QColor& colour) {
    QPalette p = palette();
    p.setColor(QPalette::WindowText, colour);
    setPalette(p);
}

QColor VbLabel::foreColor() const {
    return palette().color(QPalette::WindowText);
}

void VbLabel::setUnderline(bool on) {
    QFont f = font();
    f.setUnderline(on);
    setFont(f);
}

void VbLabel::fitToText() {
    if (m_fit == Fit::WrapToWidth) {
        resize(width(), heightForWidth(width()));
        return;
    }
    const double centre = x() + width() / 2.0;
    resize(sizeHint());
    if (m_fit == Fit::KeepCentre)
        move(static_cast<int>(std::lround(centre - width() / 2.0)), y());
}

// Movements over a label stay with it: only the window's own surface resets the command looks.
void VbLabel::mouseMoveEvent(QMouseEvent* event) {
    emit mouseMoved();
    event->accept();
}

void VbLabel::mousePressEvent(QMouseEvent* event) {
    event->accept();
}

void VbLabel::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

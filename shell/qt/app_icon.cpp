#include "shell/qt/app_icon.h"

#include <QPainter>
#include <QPixmap>

namespace {

QPixmap stopwatch(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 32.0, size / 32.0);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 60, 70));
    p.drawRoundedRect(QRectF(13, 1, 6, 4), 1, 1); // crown
    p.drawRect(QRectF(15, 4, 2, 3));
    p.setPen(QPen(QColor(60, 60, 70), 2.5));
    p.setBrush(QColor(255, 255, 232));
    p.drawEllipse(QRectF(4, 6.5, 24, 24)); // the whole ring inside the 32 units
    p.setPen(QPen(QColor(220, 0, 0), 2.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(16, 18.5), QPointF(16, 10)); // hand at the last seconds
    p.drawLine(QPointF(16, 18.5), QPointF(21, 21.5));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(220, 0, 0));
    p.drawEllipse(QPointF(16, 18.5), 2, 2);
    return pixmap;
}

} // namespace

QIcon appIcon() {
    QIcon icon;
    for (int size : {16, 32, 48, 64})
        icon.addPixmap(stopwatch(size));
    return icon;
}

#include "ui/StatusImages.h"

#include <QPainter>
#include <QPainterPath>

namespace {

QPixmap padlock(bool closed) {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x70, 0x70, 0x78), 1.6));
    p.setBrush(Qt::NoBrush);
    // The shackle: closed into the body, or swung open to the right.
    QPainterPath shackle;
    const qreal right = closed ? 11 : 14;
    shackle.moveTo(5, 8);
    shackle.lineTo(5, 5);
    shackle.arcTo(QRectF(5, 1.5, 6, 7), 180, -180);
    shackle.lineTo(closed ? right : 11, closed ? 8 : 4.5);
    p.drawPath(shackle);
    p.setPen(QPen(QColor(0x8a, 0x60, 0x10), 1));
    p.setBrush(closed ? QColor(0xf0, 0xc0, 0x30) : QColor(0xc8, 0xc8, 0xc8));
    p.drawRoundedRect(QRectF(3, 7.5, 10, 7.5), 1.5, 1.5);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x50, 0x40, 0x20));
    p.drawEllipse(QPointF(8, 11), 1.2, 1.2);
    return pixmap;
}

} // namespace

QPixmap SecureImage() {
    return padlock(true);
}

QPixmap UnSecureImage() {
    return padlock(false);
}

QPixmap StopperImage() {
    QPixmap pixmap(20, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x60, 0x60, 0x60), 1));
    p.setBrush(QColor(0xff, 0xff, 0xff));
    p.drawRect(QRectF(1.5, 2.5, 12, 10));
    p.setBrush(QColor(0x3a, 0x6e, 0xa5));
    p.drawRect(QRectF(1.5, 2.5, 12, 2.5));
    p.setPen(QPen(QColor(0xd0, 0x20, 0x20), 2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(14, 10), 4.5, 4.5);
    p.drawLine(QPointF(10.8, 13.2), QPointF(17.2, 6.8));
    return pixmap;
}

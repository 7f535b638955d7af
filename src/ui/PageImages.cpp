#include "ui/PageImages.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {

constexpr int ImageSize = 18;
constexpr int Eighths = 8;
constexpr int IdleIndex = 9;

// A sheet with a folded top-right corner and a few lines of text, on the left
// so that the load mark in the bottom-right corner leaves it readable.
void drawSheet(QPainter& p) {
    QPainterPath sheet;
    sheet.moveTo(2.5, 1.5);
    sheet.lineTo(10.5, 1.5);
    sheet.lineTo(14.5, 5.5);
    sheet.lineTo(14.5, 16.5);
    sheet.lineTo(2.5, 16.5);
    sheet.closeSubpath();
    p.setPen(QColor(0x5a, 0x6f, 0x8c));
    p.setBrush(QColor(0xfd, 0xfd, 0xfb));
    p.drawPath(sheet);

    QPainterPath fold;
    fold.moveTo(10.5, 1.5);
    fold.lineTo(10.5, 5.5);
    fold.lineTo(14.5, 5.5);
    p.setBrush(QColor(0xd8, 0xe0, 0xea));
    p.drawPath(fold);

    p.setPen(QColor(0x9d, 0xb0, 0xc8));
    for (int y = 5; y <= 14; y += 3)
        p.drawLine(QPointF(4.5, y + 0.5), QPointF(y < 7 ? 8.5 : 12.5, y + 0.5));
}

const QRectF MarkRect(7.5, 7.5, 10, 10);

void drawProgress(QPainter& p, int eighths) {
    p.setPen(QColor(0x3b, 0x6e, 0x2a));
    p.setBrush(QColor(0xee, 0xf3, 0xe6));
    p.drawEllipse(MarkRect);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x4c, 0xa8, 0x3a));
    // Clockwise from twelve o'clock, as a clock hand sweeps.
    p.drawPie(MarkRect.adjusted(1, 1, -1, -1), 90 * 16, -eighths * 360 * 16 / Eighths);
}

// A full blue disc with three dots: the load is over or has no known size.
void drawUnmeasured(QPainter& p) {
    p.setPen(QColor(0x1f, 0x4e, 0x8c));
    p.setBrush(QColor(0x3a, 0x78, 0xc8));
    p.drawEllipse(MarkRect);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    for (qreal x : {10.0, 12.5, 15.0})
        p.drawEllipse(QPointF(x, MarkRect.center().y()), 1, 1);
}

QPixmap drawImage(int index) {
    QPixmap pixmap(ImageSize, ImageSize);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    drawSheet(p);
    if (index == 0)
        drawUnmeasured(p);
    else if (index <= Eighths)
        drawProgress(p, index);
    return pixmap;
}

} // namespace

QList<QPixmap> PageImages() {
    static const QList<QPixmap> images = [] {
        QList<QPixmap> list;
        for (int i = 0; i <= IdleIndex; ++i)
            list.append(drawImage(i));
        return list;
    }();
    return images;
}

QPixmap TabStripBackground(const QSize& size) {
    QPixmap pixmap(size);
    if (pixmap.isNull())
        return pixmap;
    QLinearGradient gradient(0, 0, 0, size.height());
    gradient.setColorAt(0, QColor(0xf2, 0xf5, 0xf9));
    gradient.setColorAt(1, QColor(0xd6, 0xde, 0xe8));
    QPainter p(&pixmap);
    p.fillRect(pixmap.rect(), gradient);
    return pixmap;
}

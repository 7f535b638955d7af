#include "ui/MainImages.h"

#include <QPainter>
#include <QPainterPath>
#include <QTransform>

#include <array>
#include <cmath>
#include <numbers>

namespace {

constexpr int ImageSize = 16;

const QColor Ink(0x44, 0x52, 0x66);
const QColor Paper(0xfd, 0xfd, 0xfb);
const QColor PaperShade(0xd8, 0xe0, 0xea);
const QColor TextLine(0x9d, 0xb0, 0xc8);
const QColor Blue(0x3a, 0x78, 0xc8);
const QColor BlueDark(0x1f, 0x4e, 0x8c);
const QColor BlueLight(0xbc, 0xd6, 0xf2);
const QColor Green(0x4c, 0xa8, 0x3a);
const QColor GreenDark(0x2c, 0x6a, 0x20);
const QColor Red(0xd8, 0x34, 0x2c);
const QColor RedDark(0x8c, 0x1c, 0x18);
const QColor Pink(0xf2, 0x9a, 0x96);
const QColor Gold(0xf5, 0xc2, 0x30);
const QColor GoldDark(0x9a, 0x6c, 0x10);
const QColor Tan(0xec, 0xc6, 0x6a);
const QColor TanShade(0xd4, 0xa8, 0x4a);
const QColor TanDark(0x9a, 0x74, 0x20);
const QColor Steel(0x8a, 0x92, 0x9e);
const QColor SteelLight(0xd4, 0xd9, 0xe0);

// Round joins keep sharp corners from spiking into the transparent margin.
QPen pen(const QColor& color, qreal width = 1) {
    return QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

QPointF polar(QPointF centre, qreal radius, qreal degrees) {
    const qreal radians = degrees * std::numbers::pi / 180;
    return centre + radius * QPointF(std::cos(radians), -std::sin(radians));
}

// A sheet with a folded top-right corner.
void drawSheet(QPainter& p, const QRectF& r, bool lines) {
    constexpr qreal Fold = 3;
    QPainterPath sheet;
    sheet.moveTo(r.topLeft());
    sheet.lineTo(r.right() - Fold, r.top());
    sheet.lineTo(r.right(), r.top() + Fold);
    sheet.lineTo(r.bottomRight());
    sheet.lineTo(r.bottomLeft());
    sheet.closeSubpath();
    p.setPen(pen(Ink));
    p.setBrush(Paper);
    p.drawPath(sheet);

    QPainterPath fold;
    fold.moveTo(r.right() - Fold, r.top());
    fold.lineTo(r.right() - Fold, r.top() + Fold);
    fold.lineTo(r.right(), r.top() + Fold);
    fold.closeSubpath();
    p.setBrush(PaperShade);
    p.drawPath(fold);

    if (!lines)
        return;
    p.setPen(pen(TextLine));
    for (qreal y = r.top() + 4; y < r.bottom() - 1; y += 2)
        p.drawLine(QPointF(r.left() + 2, y), QPointF(r.right() - 2, y));
}

// A window frame with a title bar of the given height.
void drawWindow(QPainter& p, const QRectF& r, qreal title) {
    p.setPen(pen(BlueDark));
    p.setBrush(Paper);
    p.drawRect(r);
    p.fillRect(QRectF(r.left() + 0.5, r.top() + 0.5, r.width() - 1, title), Blue);
}

// A block arrow pointing along the angle, counter-clockwise from three o'clock.
void drawArrow(QPainter& p, QPointF centre, qreal degrees, qreal length, qreal shaft, qreal head,
               const QColor& fill, const QColor& edge) {
    const qreal half = length / 2;
    const qreal base = half - head;
    const QPolygonF arrow{{-half, -shaft}, {base, -shaft}, {base, -head}, {half, 0},
                          {base, head},    {base, shaft},  {-half, shaft}};
    QTransform at;
    at.translate(centre.x(), centre.y());
    at.rotate(-degrees);
    p.setPen(pen(edge));
    p.setBrush(fill);
    p.drawPolygon(at.map(arrow));
}

QPainterPath starPath(QPointF centre, qreal radius) {
    QPainterPath star;
    for (int i = 0; i < 10; ++i) {
        const QPointF point = polar(centre, i % 2 ? radius * 0.45 : radius, 90 + i * 36);
        if (i == 0)
            star.moveTo(point);
        else
            star.lineTo(point);
    }
    star.closeSubpath();
    return star;
}

void drawStar(QPainter& p, QPointF centre, qreal radius) {
    p.setPen(pen(GoldDark));
    p.setBrush(Gold);
    p.drawPath(starPath(centre, radius));
}

// A small green plus, the mark of every "add" command.
void drawPlus(QPainter& p, QPointF centre) {
    QPainterPath plus;
    plus.addRect(centre.x() - 1.5, centre.y() - 3.5, 3, 7);
    plus.addRect(centre.x() - 3.5, centre.y() - 1.5, 7, 3);
    plus = plus.simplified();
    // A white halo parts the plus from the picture it marks.
    p.strokePath(plus, pen(Qt::white, 3));
    p.setPen(pen(GreenDark));
    p.setBrush(Green);
    p.drawPath(plus);
}

// Two links of chain, laid from bottom-left to top-right around the centre.
void drawChain(QPainter& p, QPointF centre, qreal scale) {
    QPainterPath link;
    link.addRoundedRect(QRectF(-4.5, -2.2, 9, 4.4), 2.2, 2.2);
    for (const qreal offset : {-2.6, 2.6}) {
        QTransform at;
        at.translate(centre.x() + offset * scale, centre.y() - offset * scale);
        at.scale(scale, scale);
        at.rotate(-45);
        const QPainterPath placed = at.map(link);
        p.setBrush(Qt::NoBrush);
        p.setPen(pen(BlueDark, 2.6));
        p.drawPath(placed);
        p.setPen(pen(BlueLight, 1));
        p.drawPath(placed);
    }
}

// A folder: a tabbed back and a lighter front.
void drawFolder(QPainter& p) {
    QPainterPath back;
    back.moveTo(1.5, 13.5);
    back.lineTo(1.5, 3.5);
    back.lineTo(5.5, 3.5);
    back.lineTo(7, 5.5);
    back.lineTo(14.5, 5.5);
    back.lineTo(14.5, 13.5);
    back.closeSubpath();
    p.setPen(pen(TanDark));
    p.setBrush(TanShade);
    p.drawPath(back);
    p.setBrush(Tan);
    p.drawRect(QRectF(1.5, 7.5, 13, 6));
}

void drawClock(QPainter& p, QPointF centre, qreal radius) {
    p.setPen(pen(Blue, 1.5));
    p.setBrush(Paper);
    p.drawEllipse(centre, radius, radius);
    p.setPen(pen(TextLine));
    for (int hour = 0; hour < 12; hour += 3)
        p.drawLine(polar(centre, radius - 1, hour * 30), polar(centre, radius - 2, hour * 30));
    p.setPen(pen(Ink, 1.3));
    p.drawLine(centre, centre - QPointF(0, radius - 2));
    p.drawLine(centre, centre + QPointF(radius - 3, 0));
}

void drawMagnifier(QPainter& p, QPointF lens, qreal radius, const QColor& glass) {
    const QPointF handle = polar(lens, radius + 0.5, -45);
    p.setPen(pen(Ink, radius > 3 ? 2.8 : 2));
    p.drawLine(handle, handle + QPointF(radius, radius) * 0.85);
    p.setPen(pen(BlueDark, 1.4));
    p.setBrush(glass);
    p.drawEllipse(lens, radius, radius);
}

void drawGear(QPainter& p, QPointF centre, qreal radius) {
    constexpr int Teeth = 8;
    constexpr qreal Step = 360.0 / Teeth;
    QPainterPath gear;
    for (int i = 0; i < Teeth; ++i) {
        const qreal a = i * Step;
        const QPointF points[] = {
            polar(centre, radius * 0.72, a - Step * 0.5),
            polar(centre, radius * 0.72, a - Step * 0.2), polar(centre, radius, a - Step * 0.15),
            polar(centre, radius, a + Step * 0.15), polar(centre, radius * 0.72, a + Step * 0.2)};
        for (const QPointF& point : points) {
            if (gear.elementCount() == 0)
                gear.moveTo(point);
            else
                gear.lineTo(point);
        }
    }
    gear.closeSubpath();
    gear.addEllipse(centre, radius * 0.3, radius * 0.3);
    p.setPen(pen(Ink));
    p.setBrush(Steel);
    p.drawPath(gear);
}

void drawGlobe(QPainter& p, QPointF centre, qreal radius) {
    p.setPen(pen(BlueDark));
    p.setBrush(BlueLight);
    p.drawEllipse(centre, radius, radius);
    p.setPen(pen(Blue, 0.9));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, radius * 0.45, radius);
    p.drawLine(centre - QPointF(0, radius), centre + QPointF(0, radius));
    p.drawLine(centre - QPointF(radius, 0), centre + QPointF(radius, 0));
    for (const qreal y : {-0.55, 0.55}) {
        const qreal half = radius * std::sqrt(1 - y * y);
        p.drawLine(centre + QPointF(-half, y * radius), centre + QPointF(half, y * radius));
    }
}

// A blue disc carrying a white mark, for about and help.
void drawBadge(QPainter& p) {
    p.setPen(pen(BlueDark));
    p.setBrush(Blue);
    p.drawEllipse(QPointF(8, 8), 7, 7);
}

void drawNewPage(QPainter& p) {
    drawSheet(p, QRectF(3.5, 1.5, 10, 14), true);
    drawStar(p, QPointF(4.5, 4.5), 4);
}

void drawBack(QPainter& p) {
    drawArrow(p, QPointF(8, 8), 180, 13, 2.5, 6.5, Blue, BlueDark);
}

void drawForward(QPainter& p) {
    drawArrow(p, QPointF(8, 8), 0, 13, 2.5, 6.5, Blue, BlueDark);
}

void drawStop(QPainter& p) {
    QPolygonF octagon;
    for (int i = 0; i < 8; ++i)
        octagon << polar(QPointF(8, 8), 7.4, 22.5 + i * 45);
    p.setPen(pen(RedDark));
    p.setBrush(Red);
    p.drawPolygon(octagon);
    p.setPen(pen(Qt::white, 2));
    p.drawLine(QPointF(5.5, 5.5), QPointF(10.5, 10.5));
    p.drawLine(QPointF(10.5, 5.5), QPointF(5.5, 10.5));
}

void drawRefresh(QPainter& p) {
    constexpr QPointF Centre(8, 8.5);
    constexpr qreal Radius = 5;
    constexpr qreal End = 120;
    const QRectF bounds(Centre - QPointF(Radius, Radius), QSizeF(2 * Radius, 2 * Radius));
    QPainterPath arc;
    arc.arcMoveTo(bounds, 60);
    arc.arcTo(bounds, 60, End - 60 - 360);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(GreenDark, 3.2, Qt::SolidLine, Qt::FlatCap));
    p.drawPath(arc);
    p.setPen(QPen(Green, 1.6, Qt::SolidLine, Qt::FlatCap));
    p.drawPath(arc);
    // The head points the clockwise way round, along the tangent at the arc's end.
    const QPointF end = polar(Centre, Radius, End);
    const QPointF radial = polar(QPointF(), 1, End);
    const QPointF ahead(-radial.y(), radial.x());
    p.setPen(pen(GreenDark));
    p.setBrush(Green);
    p.drawPolygon(QPolygonF{end + ahead * 4, end + radial * 3.2 - ahead * 0.5,
                            end - radial * 3.2 - ahead * 0.5});
}

void drawHome(QPainter& p) {
    p.setPen(pen(Ink));
    p.setBrush(Paper);
    p.drawRect(QRectF(3.5, 7.5, 9, 7));
    p.fillRect(QRectF(7, 10, 2, 4), TanDark);
    p.setPen(pen(RedDark));
    p.setBrush(Red);
    p.drawPolygon(QPolygonF{{1, 8.5}, {8, 1.5}, {15, 8.5}});
}

void drawSearch(QPainter& p) {
    drawMagnifier(p, QPointF(6.5, 6.5), 4.5, BlueLight);
}

void drawFavorites(QPainter& p) {
    drawStar(p, QPointF(8, 8.5), 7.3);
}

void drawHistory(QPainter& p) {
    drawClock(p, QPointF(8, 8), 6.5);
}

void drawFullScreen(QPainter& p) {
    for (const QPointF corner : {QPointF(-1, -1), QPointF(1, -1), QPointF(1, 1), QPointF(-1, 1)}) {
        const QPointF tip = QPointF(8, 8) + corner * 6.5;
        p.setPen(pen(BlueDark, 2.2));
        p.drawLine(QPointF(8, 8) + corner * 1.5, tip - corner);
        p.setPen(pen(BlueDark));
        p.setBrush(Blue);
        p.drawPolygon(
            QPolygonF{tip, tip - QPointF(corner.x() * 4.5, 0), tip - QPointF(0, corner.y() * 4.5)});
    }
}

void drawPrint(QPainter& p) {
    p.setPen(pen(Ink));
    p.setBrush(Paper);
    p.drawRect(QRectF(4.5, 1.5, 7, 5));
    p.setBrush(Steel);
    p.drawRoundedRect(QRectF(1.5, 5.5, 13, 6), 1.5, 1.5);
    p.setBrush(Paper);
    p.drawRect(QRectF(4.5, 9.5, 7, 5));
    p.setPen(pen(TextLine));
    p.drawLine(QPointF(6, 12), QPointF(10, 12));
    p.setPen(Qt::NoPen);
    p.setBrush(Green);
    p.drawEllipse(QPointF(12.5, 7.5), 0.9, 0.9);
}

void drawMail(QPainter& p) {
    p.setPen(pen(Ink));
    p.setBrush(Paper);
    p.drawRect(QRectF(1.5, 3.5, 13, 9));
    p.setPen(pen(TextLine));
    p.drawLine(QPointF(2, 12), QPointF(6.5, 8));
    p.drawLine(QPointF(14, 12), QPointF(9.5, 8));
    p.setPen(pen(Ink));
    p.setBrush(PaperShade);
    p.drawPolygon(QPolygonF{{1.5, 3.5}, {8, 9}, {14.5, 3.5}});
}

void drawPictures(QPainter& p) {
    const QRectF frame(1.5, 2.5, 13, 11);
    p.fillRect(frame, BlueLight);
    p.setPen(Qt::NoPen);
    p.setBrush(Gold);
    p.drawEllipse(QPointF(11, 5.5), 1.6, 1.6);
    p.setBrush(Green);
    p.drawPolygon(
        QPolygonF{{1.5, 13.5}, {1.5, 11}, {6, 6.5}, {9, 9.5}, {11, 7.5}, {14.5, 11}, {14.5, 13.5}});
    p.setPen(pen(Ink));
    p.setBrush(Qt::NoBrush);
    p.drawRect(frame);
}

void drawPopupFilter(QPainter& p) {
    drawWindow(p, QRectF(0.5, 1.5, 11, 9), 2);
    p.setPen(pen(Red, 1.8));
    p.setBrush(Paper);
    p.drawEllipse(QPointF(10.5, 10.5), 4.3, 4.3);
    p.drawLine(QPointF(7.5, 13.5), QPointF(13.5, 7.5));
}

void drawPageUp(QPainter& p) {
    drawSheet(p, QRectF(2.5, 0.5, 11, 15), false);
    drawArrow(p, QPointF(8, 8.5), 90, 10, 1.5, 4, Blue, BlueDark);
}

void drawPageDown(QPainter& p) {
    drawSheet(p, QRectF(2.5, 0.5, 11, 15), false);
    drawArrow(p, QPointF(8, 8.5), -90, 10, 1.5, 4, Blue, BlueDark);
}

void drawGo(QPainter& p) {
    drawSheet(p, QRectF(5.5, 0.5, 9, 15), true);
    drawArrow(p, QPointF(6, 8.5), 0, 11, 2, 5, Green, GreenDark);
}

void drawLinks(QPainter& p) {
    drawChain(p, QPointF(8, 8), 1);
}

void drawAddFavorite(QPainter& p) {
    drawStar(p, QPointF(7, 7.5), 6.8);
    drawPlus(p, QPointF(12, 12));
}

void drawOrganizeFavorites(QPainter& p) {
    drawFolder(p);
    drawStar(p, QPointF(8, 10), 4);
}

void drawOptions(QPainter& p) {
    drawGear(p, QPointF(8, 8), 7.3);
}

void drawUnused(QPainter& p) {
    p.setPen(pen(Steel));
    p.setBrush(SteelLight);
    p.drawEllipse(QPointF(8, 8), 2, 2);
}

void drawTray(QPainter& p) {
    p.setPen(pen(Ink));
    p.setBrush(Steel);
    p.drawRoundedRect(QRectF(0.5, 1.5, 15, 10), 1, 1);
    p.fillRect(QRectF(2, 3, 12, 7), Blue);
    p.fillRect(QRectF(2, 8, 12, 2), SteelLight);
    p.fillRect(QRectF(11, 8.5, 2, 1), Gold);
    p.setBrush(Steel);
    p.drawRect(QRectF(6.5, 11.5, 3, 2));
    p.drawRect(QRectF(3.5, 13.5, 9, 1.5));
}

void drawClearRecords(QPainter& p) {
    QTransform at;
    at.translate(8.5, 7);
    at.rotate(-40);
    p.setPen(pen(Ink));
    p.setBrush(Pink);
    p.drawPolygon(at.map(QPolygonF(QRectF(-6, -3, 6, 6))));
    p.setBrush(BlueLight);
    p.drawPolygon(at.map(QPolygonF(QRectF(0, -3, 6, 6))));
    p.setPen(pen(Steel));
    p.drawLine(QPointF(1.5, 14.5), QPointF(9, 14.5));
}

void drawExit(QPainter& p) {
    p.setPen(pen(Ink));
    p.setBrush(Ink);
    p.drawRect(QRectF(1.5, 1.5, 8, 13));
    p.setPen(pen(TanDark));
    p.setBrush(Tan);
    p.drawPolygon(QPolygonF{{1.5, 1.5}, {5.5, 3}, {5.5, 15.5}, {1.5, 14.5}});
    drawArrow(p, QPointF(10.5, 8), 0, 10, 1.8, 4, Green, GreenDark);
}

void drawOffline(QPainter& p) {
    p.setBrush(Qt::NoBrush);
    p.setPen(pen(Ink, 1.6));
    QPainterPath cable;
    cable.moveTo(0.5, 14);
    cable.cubicTo(2, 14, 2, 10, 3, 9.5);
    p.drawPath(cable);
    p.setPen(pen(Ink));
    p.drawLine(QPointF(7, 6.5), QPointF(9, 6.5));
    p.drawLine(QPointF(7, 9.5), QPointF(9, 9.5));
    p.setBrush(Steel);
    p.drawRoundedRect(QRectF(2.5, 4.5, 4.5, 7), 1, 1);
    p.setBrush(SteelLight);
    p.drawRoundedRect(QRectF(11.5, 3.5, 4, 9), 1, 1);
    p.fillRect(QRectF(12, 6, 1.5, 1), Ink);
    p.fillRect(QRectF(12, 9, 1.5, 1), Ink);
}

void drawAddLink(QPainter& p) {
    drawChain(p, QPointF(6.5, 6.5), 0.8);
    drawPlus(p, QPointF(12, 12));
}

void drawOrganizeLinks(QPainter& p) {
    drawFolder(p);
    drawChain(p, QPointF(8.5, 10.5), 0.55);
}

void drawRestore(QPainter& p) {
    drawWindow(p, QRectF(4.5, 1.5, 10, 8), 2);
    drawWindow(p, QRectF(1.5, 5.5, 10, 9), 2);
}

void drawMinimize(QPainter& p) {
    drawWindow(p, QRectF(1.5, 1.5, 13, 13), 2);
    p.fillRect(QRectF(4, 10, 8, 2), Ink);
}

void drawMaximize(QPainter& p) {
    drawWindow(p, QRectF(1.5, 1.5, 13, 13), 4);
}

void drawCloseWindow(QPainter& p) {
    drawWindow(p, QRectF(1.5, 1.5, 13, 13), 2);
    p.setPen(pen(Red, 2));
    p.drawLine(QPointF(5, 6), QPointF(11, 12));
    p.drawLine(QPointF(11, 6), QPointF(5, 12));
}

void drawAbout(QPainter& p) {
    drawBadge(p);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(8, 4.6), 1.2, 1.2);
    p.drawRect(QRectF(7, 6.8, 2, 5.7));
}

void drawSounds(QPainter& p) {
    p.setPen(pen(Ink));
    p.setBrush(Steel);
    p.drawPolygon(QPolygonF{{1.5, 5.5}, {4.5, 5.5}, {8.5, 2}, {8.5, 14}, {4.5, 10.5}, {1.5, 10.5}});
    p.setPen(pen(Blue, 1.3));
    p.setBrush(Qt::NoBrush);
    for (const qreal radius : {3.0, 5.5})
        p.drawArc(QRectF(8.5 - radius, 8 - radius, 2 * radius, 2 * radius), -45 * 16, 90 * 16);
}

void drawInternetOptions(QPainter& p) {
    drawGlobe(p, QPointF(7, 7), 6.2);
    drawGear(p, QPointF(12, 12), 3.8);
}

void drawVideos(QPainter& p) {
    p.fillRect(QRectF(3, 0, 10, 16), Ink);
    for (int y = 1; y < ImageSize; y += 3) {
        p.fillRect(QRectF(4, y, 1, 2), Paper);
        p.fillRect(QRectF(11, y, 1, 2), Paper);
    }
    p.fillRect(QRectF(6, 1.5, 4, 5.5), BlueLight);
    p.fillRect(QRectF(6, 9, 4, 5.5), BlueLight);
}

void drawHelp(QPainter& p) {
    drawBadge(p);
    const QRectF hook(5.6, 3.3, 4.8, 4.8);
    QPainterPath mark;
    mark.arcMoveTo(hook, 160);
    mark.arcTo(hook, 160, -225);
    mark.lineTo(8, 9);
    mark.lineTo(8, 10);
    p.setPen(pen(Qt::white, 1.8));
    p.setBrush(Qt::NoBrush);
    p.drawPath(mark);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(8, 12.6), 1.1, 1.1);
}

void drawComments(QPainter& p) {
    QPainterPath bubble;
    bubble.addRoundedRect(QRectF(1.5, 2.5, 13, 9), 3, 3);
    QPainterPath tail;
    tail.moveTo(4, 11);
    tail.lineTo(3, 14.5);
    tail.lineTo(8, 11);
    tail.closeSubpath();
    p.setPen(pen(BlueDark));
    p.setBrush(Paper);
    p.drawPath(bubble.united(tail));
    p.setPen(pen(TextLine));
    p.drawLine(QPointF(4.5, 5.5), QPointF(11.5, 5.5));
    p.drawLine(QPointF(4.5, 8.5), QPointF(9.5, 8.5));
}

void drawResetSearch(QPainter& p) {
    drawMagnifier(p, QPointF(6.5, 6.5), 4.5, BlueLight);
    p.setPen(pen(Red, 1.6));
    p.drawLine(QPointF(4.8, 4.8), QPointF(8.2, 8.2));
    p.drawLine(QPointF(8.2, 4.8), QPointF(4.8, 8.2));
}

void drawSearchHistory(QPainter& p) {
    drawClock(p, QPointF(7, 7), 6.2);
    drawMagnifier(p, QPointF(10, 10), 2.5, Paper);
}

using Painter = void (*)(QPainter&);

// In image list order, as listed in MainImages.h.
constexpr std::array<Painter, 47> Painters{
    drawNewPage,
    drawBack,
    drawForward,
    drawStop,
    drawRefresh,
    drawHome,
    drawSearch,
    drawFavorites,
    drawHistory,
    drawFullScreen,
    drawPrint,
    drawMail,
    drawPictures,
    drawPopupFilter,
    drawPageUp,
    drawPageDown,
    drawGo,
    drawLinks,
    drawAddFavorite,
    drawOrganizeFavorites,
    drawOptions,
    drawUnused,
    drawTray,
    drawUnused,
    drawClearRecords,
    drawUnused,
    drawUnused,
    drawUnused,
    drawExit,
    drawOffline,
    drawAddLink,
    drawOrganizeLinks,
    drawUnused,
    drawUnused,
    drawUnused,
    drawRestore,
    drawMinimize,
    drawMaximize,
    drawCloseWindow,
    drawAbout,
    drawSounds,
    drawInternetOptions,
    drawVideos,
    drawHelp,
    drawComments,
    drawResetSearch,
    drawSearchHistory,
};

QPixmap drawImage(Painter draw) {
    QPixmap pixmap(ImageSize, ImageSize);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    draw(p);
    return pixmap;
}

} // namespace

QList<QPixmap> MainImages() {
    static const QList<QPixmap> images = [] {
        QList<QPixmap> list;
        for (const Painter draw : Painters)
            list.append(drawImage(draw));
        return list;
    }();
    return images;
}

QIcon MainIcon(int index) {
    const QList<QPixmap> images = MainImages();
    if (index < 0 || index >= images.size())
        return QIcon();
    return QIcon(images.at(index));
}

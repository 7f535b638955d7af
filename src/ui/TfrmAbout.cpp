#include "ui/TfrmAbout.h"

#include "platform/ApplicationTitle.h"

#include <QGuiApplication>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>

namespace {

// Our own artwork: a night-blue field with a stylised corvid and the program's name.
QPixmap drawPicture() {
    QPixmap pixmap(TfrmAbout::PictureSize);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);

    QLinearGradient sky(0, 0, 0, pixmap.height());
    sky.setColorAt(0, QColor(0x1d, 0x2b, 0x53));
    sky.setColorAt(1, QColor(0x3a, 0x6e, 0xa5));
    p.fillRect(pixmap.rect(), sky);

    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xf4, 0xd3, 0x5e));
    p.drawEllipse(QPointF(300, 92), 46, 46);

    QPainterPath bird;
    bird.moveTo(70, 150);
    bird.cubicTo(110, 100, 150, 96, 180, 128);
    bird.lineTo(214, 118);
    bird.lineTo(188, 140);
    bird.cubicTo(176, 172, 138, 186, 96, 178);
    bird.lineTo(40, 196);
    bird.lineTo(74, 168);
    bird.closeSubpath();
    QPainterPath wing;
    wing.moveTo(104, 150);
    wing.cubicTo(130, 120, 170, 132, 160, 158);
    wing.cubicTo(140, 170, 118, 168, 104, 150);
    p.setBrush(QColor(0x10, 0x12, 0x1a));
    p.drawPath(bird);
    p.setBrush(QColor(0x2b, 0x30, 0x44));
    p.drawPath(wing);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(168, 126), 3, 3);

    p.setPen(Qt::white);
    QFont title(QStringLiteral("Noto Sans CJK SC"));
    title.setPixelSize(38);
    title.setBold(true);
    p.setFont(title);
    p.drawText(QRect(0, 200, pixmap.width(), 48), Qt::AlignCenter, ApplicationTitle());
    QFont subtitle = title;
    subtitle.setPixelSize(16);
    subtitle.setBold(false);
    p.setFont(subtitle);
    p.drawText(QRect(0, 248, pixmap.width(), 26), Qt::AlignCenter,
               QStringLiteral("多窗口网页浏览器"));
    p.setPen(QColor(0xd0, 0xdc, 0xf0));
    subtitle.setPixelSize(11);
    p.setFont(subtitle);
    p.drawText(QRect(0, 276, pixmap.width() - 10, 20), Qt::AlignRight | Qt::AlignVCenter,
               QStringLiteral("© Corvane 开发组"));
    return pixmap;
}

} // namespace

TfrmAbout::TfrmAbout(bool splash, QWidget* parent)
    : QDialog(parent, Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                          (splash ? Qt::SplashScreen : Qt::Dialog)),
      splash_(splash), picture_(drawPicture()) {
    setFixedSize(PictureSize);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
}

void TfrmAbout::actAboutExecute(QWidget* parent) {
    TfrmAbout about(false, parent);
    about.exec();
}

void TfrmAbout::paintEvent(QPaintEvent*) {
    QPainter(this).drawPixmap(0, 0, picture_);
}

void TfrmAbout::mouseReleaseEvent(QMouseEvent* event) {
    if (!splash_)
        accept();
    event->accept();
}

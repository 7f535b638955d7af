#include "pages/TTabButton.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>

TTabButton::TTabButton(QWidget* parent) : QAbstractButton(parent) {
    setCheckable(true);
    // A tab never takes the keyboard focus away from its page.
    setFocusPolicy(Qt::NoFocus);
    // The face is transparent: the strip's picture shows through.
    setAttribute(Qt::WA_NoSystemBackground);
    setAutoFillBackground(false);
}

void TTabButton::setCaption(const QString& caption) {
    if (caption == caption_)
        return;
    caption_ = caption;
    update();
}

void TTabButton::setGlyph(const QPixmap& glyph) {
    glyph_ = glyph;
    update();
}

QString TTabButton::fittedCaption(const QString& caption, const QFontMetrics& metrics,
                                  int available) {
    QString text = caption;
    while (!text.isEmpty() && metrics.size(Qt::TextShowMnemonic, text).width() > available) {
        // A character outside the BMP takes two UTF-16 units; never leave half of one.
        const bool pair = text.size() >= 2 && text.back().isLowSurrogate() &&
                          text.at(text.size() - 2).isHighSurrogate();
        text.chop(pair ? 2 : 1);
    }
    return text;
}

const QString& TTabButton::shownCaption(int available) {
    if (fitted_.caption != caption_ || fitted_.available != available || fitted_.font != font()) {
        fitted_.text = fittedCaption(caption_, fontMetrics(), available);
        fitted_.caption = caption_;
        fitted_.available = available;
        fitted_.font = font();
    }
    return fitted_.text;
}

void TTabButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const bool down = isChecked() || isDown();
    const int w = width();
    const int h = height();

    // Raised when up, sunken when down. Each corner belongs to the edge that
    // starts there, as with a pen moved from corner to corner.
    const QColor topLeft = down ? ShadowColor : LightColor;
    const QColor bottomRight = down ? LightColor : ShadowColor;
    p.fillRect(0, 1, 1, h - 1, topLeft);
    p.fillRect(0, 0, w - 1, 1, topLeft);
    p.fillRect(w - 1, 0, 1, h - 1, bottomRight);
    p.fillRect(1, h - 1, w - 1, 1, bottomRight);

    const int offset = down ? 1 : 0;
    int captionLeft = 4;
    int available = w - 8;
    if (!glyph_.isNull()) {
        const QSize glyphSize = glyph_.deviceIndependentSize().toSize();
        p.drawPixmap(4 + offset, (h - glyphSize.height()) / 2 + offset, glyph_);
        captionLeft += glyphSize.width() + 4;
        available -= glyphSize.width() + 4;
    }

    const QString& text = shownCaption(available);
    if (text.isEmpty())
        return;
    const QSize textSize = fontMetrics().size(Qt::TextShowMnemonic, text);
    p.setPen(isEnabled() ? palette().color(QPalette::ButtonText) : QColor(0x80, 0x80, 0x80));
    p.drawText(QRect(QPoint(captionLeft + offset, (h - textSize.height()) / 2 + offset), textSize),
               Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine | Qt::TextShowMnemonic, text);
}

void TTabButton::mousePressEvent(QMouseEvent* event) {
    switch (event->button()) {
    case Qt::LeftButton:
        QAbstractButton::mousePressEvent(event);
        break;
    case Qt::MiddleButton:
        MiddlePressed = true;
        event->accept();
        break;
    case Qt::RightButton:
        RightPressed = true;
        event->accept();
        break;
    default:
        event->ignore();
        break;
    }
}

void TTabButton::mouseReleaseEvent(QMouseEvent* event) {
    // The implicit grab sends the release to the pressed tab wherever it
    // happens, so only a release over this tab counts as a click.
    const bool inside = rect().contains(event->position().toPoint());
    switch (event->button()) {
    case Qt::LeftButton:
        QAbstractButton::mouseReleaseEvent(event);
        break;
    case Qt::MiddleButton:
        event->accept();
        if (MiddlePressed) {
            MiddlePressed = false;
            if (inside)
                emit middleClicked();
        }
        break;
    case Qt::RightButton:
        event->accept();
        if (RightPressed) {
            RightPressed = false;
            if (inside)
                emit rightClicked();
        }
        break;
    default:
        event->ignore();
        break;
    }
}

void TTabButton::mouseDoubleClickEvent(QMouseEvent* event) {
    // QWidget's default treats the double click as a press, which the group needs.
    QAbstractButton::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton)
        emit doubleClicked();
}

void TTabButton::leaveEvent(QEvent* event) {
    MiddlePressed = false;
    RightPressed = false;
    QAbstractButton::leaveEvent(event);
}

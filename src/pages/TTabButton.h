#pragma once

#include <QAbstractButton>
#include <QColor>
#include <QFont>
#include <QPixmap>

class QFontMetrics;

// The button that stands for one page in the tab strip. Checkable, so a
// QButtonGroup keeps exactly one tab down; middle and right clicks are reported
// separately and never check the tab.
class TTabButton : public QAbstractButton {
    Q_OBJECT

public:
    explicit TTabButton(QWidget* parent = nullptr);

    QColor ShadowColor{0x60, 0x60, 0x60};
    QColor LightColor{0xFF, 0xFB, 0xF0};

    // The caption is kept apart from QAbstractButton's text so that an "&" in a
    // page title never registers a keyboard shortcut; it only marks a mnemonic.
    void setCaption(const QString& caption);
    QString caption() const { return caption_; }

    void setGlyph(const QPixmap& glyph);
    QPixmap glyph() const { return glyph_; }

    bool middlePressed() const { return MiddlePressed; }
    bool rightPressed() const { return RightPressed; }

    // The caption cut at its end, one character at a time, until it fits the
    // available width as drawn with mnemonic processing.
    static QString fittedCaption(const QString& caption, const QFontMetrics& metrics,
                                 int available);

signals:
    void doubleClicked();
    void middleClicked();
    void rightClicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    // Cutting a long page title costs a text layout per character, so the
    // result is kept until the caption, the room or the font changes.
    struct Fitted {
        QString caption;
        int available = -1;
        QFont font;
        QString text;
    };
    const QString& shownCaption(int available);

    Fitted fitted_;
    QString caption_;
    QPixmap glyph_;
    bool MiddlePressed = false;
    bool RightPressed = false;
};

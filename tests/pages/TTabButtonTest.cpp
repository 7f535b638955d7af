#include "pages/TTabButton.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QEnterEvent>
#include <QFontMetrics>
#include <QImage>
#include <QMouseEvent>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

// Counts a signal's emissions while it lives; QtTest's spy is not linked.
class SignalCount {
public:
    template <typename Signal> SignalCount(const TTabButton* sender, Signal signal) {
        QObject::connect(sender, signal, &context_, [this] { ++count_; });
    }
    int count() const { return count_; }

private:
    QObject context_;
    int count_ = 0;
};

// Two tabs side by side in one exclusive group, the second one down.
class TTabButtonStrip : public ::testing::Test {
protected:
    TTabButtonStrip() {
        strip.resize(320, 24);
        first->setGeometry(0, 0, 160, 24);
        second->setGeometry(160, 0, 160, 24);
        group.addButton(first);
        group.addButton(second);
        second->setChecked(true);
    }

    static void mouse(TTabButton* tab, QEvent::Type type, Qt::MouseButton button, QPoint pos) {
        const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : button;
        QMouseEvent event(type, pos, tab->mapToGlobal(pos), button, held, Qt::NoModifier);
        QCoreApplication::sendEvent(tab, &event);
    }

    static void click(TTabButton* tab, Qt::MouseButton button) {
        mouse(tab, QEvent::MouseButtonPress, button, Inside);
        mouse(tab, QEvent::MouseButtonRelease, button, Inside);
    }

    static constexpr QPoint Inside{80, 12};

    QWidget strip;
    TTabButton* first = new TTabButton(&strip);
    TTabButton* second = new TTabButton(&strip);
    QButtonGroup group;
};

struct SideButton {
    const char* name;
    Qt::MouseButton button;
    void (TTabButton::*clicked)();
    bool (TTabButton::*pressed)() const;
};

void PrintTo(const SideButton& button, std::ostream* os) {
    *os << button.name;
}

class TTabButtonSideClick : public TTabButtonStrip,
                            public ::testing::WithParamInterface<SideButton> {
protected:
    bool pressed(TTabButton* tab) const { return (tab->*GetParam().pressed)(); }
};

TEST_P(TTabButtonSideClick, ClicksWithoutCheckingTheTab) {
    SignalCount side(first, GetParam().clicked);
    SignalCount clicked(first, &QAbstractButton::clicked);

    mouse(first, QEvent::MouseButtonPress, GetParam().button, Inside);
    EXPECT_TRUE(pressed(first));
    mouse(first, QEvent::MouseButtonRelease, GetParam().button, Inside);

    EXPECT_EQ(side.count(), 1);
    EXPECT_FALSE(pressed(first));
    EXPECT_EQ(clicked.count(), 0);
    EXPECT_FALSE(first->isChecked());
    EXPECT_TRUE(second->isChecked());
}

TEST_P(TTabButtonSideClick, ReleaseOverAnotherTabClicksNeither) {
    SignalCount onFirst(first, GetParam().clicked);
    SignalCount onSecond(second, GetParam().clicked);

    mouse(first, QEvent::MouseButtonPress, GetParam().button, Inside);
    // The grab delivers the release to the pressed tab, at a point over the other one.
    mouse(first, QEvent::MouseButtonRelease, GetParam().button, Inside + QPoint(160, 0));
    EXPECT_FALSE(pressed(first));
    // Without the grab the other tab sees a release it never saw pressed.
    mouse(second, QEvent::MouseButtonRelease, GetParam().button, Inside);

    EXPECT_EQ(onFirst.count(), 0);
    EXPECT_EQ(onSecond.count(), 0);
}

TEST_P(TTabButtonSideClick, LeavingTheTabCancelsThePress) {
    SignalCount side(first, GetParam().clicked);

    mouse(first, QEvent::MouseButtonPress, GetParam().button, Inside);
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(first, &leave);
    EXPECT_FALSE(pressed(first));
    QEnterEvent enter(Inside, Inside, first->mapToGlobal(Inside));
    QCoreApplication::sendEvent(first, &enter);
    mouse(first, QEvent::MouseButtonRelease, GetParam().button, Inside);

    EXPECT_EQ(side.count(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    , TTabButtonSideClick,
    ::testing::Values(SideButton{"Middle", Qt::MiddleButton, &TTabButton::middleClicked,
                                 &TTabButton::middlePressed},
                      SideButton{"Right", Qt::RightButton, &TTabButton::rightClicked,
                                 &TTabButton::rightPressed}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(TTabButtonStrip, LeftClickChecksTheTabInItsGroup) {
    SignalCount clicked(first, &QAbstractButton::clicked);
    SignalCount doubled(first, &TTabButton::doubleClicked);

    click(first, Qt::LeftButton);

    EXPECT_EQ(clicked.count(), 1);
    EXPECT_EQ(doubled.count(), 0);
    EXPECT_TRUE(first->isChecked());
    EXPECT_FALSE(second->isChecked());
}

TEST_F(TTabButtonStrip, DoubleClickAlsoPressesTheTab) {
    SignalCount doubled(first, &TTabButton::doubleClicked);
    SignalCount clicked(first, &QAbstractButton::clicked);

    mouse(first, QEvent::MouseButtonDblClick, Qt::LeftButton, Inside);
    mouse(first, QEvent::MouseButtonRelease, Qt::LeftButton, Inside);

    EXPECT_EQ(doubled.count(), 1);
    EXPECT_EQ(clicked.count(), 1);
    EXPECT_TRUE(first->isChecked());
    EXPECT_FALSE(second->isChecked());
}

TEST_F(TTabButtonStrip, SideDoubleClicksNeverReportADoubleClick) {
    SignalCount doubled(first, &TTabButton::doubleClicked);

    mouse(first, QEvent::MouseButtonDblClick, Qt::RightButton, Inside);

    EXPECT_EQ(doubled.count(), 0);
    EXPECT_TRUE(first->rightPressed());
    EXPECT_FALSE(first->isChecked());
}

TEST(TTabButton, CaptionIsNoButtonText) {
    TTabButton tab;
    tab.setCaption(QStringLiteral("&File"));
    EXPECT_EQ(tab.caption(), QStringLiteral("&File"));
    // A button text with "&" would register an Alt shortcut for the tab.
    EXPECT_TRUE(tab.text().isEmpty());
}

TEST(TTabButton, FittedCaptionCutsAtTheEnd) {
    const QFontMetrics metrics(TTabButton().font());
    const auto width = [&](const QString& text) {
        return metrics.size(Qt::TextShowMnemonic, text).width();
    };
    const QString caption = QStringLiteral("A very long caption that does not fit");
    const int available = width(caption) / 2;

    const QString cut = TTabButton::fittedCaption(caption, metrics, available);

    EXPECT_FALSE(cut.isEmpty());
    EXPECT_TRUE(caption.startsWith(cut));
    EXPECT_FALSE(cut.contains(QStringLiteral("...")));
    EXPECT_FALSE(cut.contains(QChar(0x2026)));
    EXPECT_LE(width(cut), available);
    EXPECT_GT(width(caption.left(cut.size() + 1)), available);
}

TEST(TTabButton, FittedCaptionMeasuresAsDrawn) {
    const QFontMetrics metrics(TTabButton().font());
    const auto width = [&](const QString& text) {
        return metrics.size(Qt::TextShowMnemonic, text).width();
    };
    struct Case {
        QString caption;
        int available;
        QString fitted;
    };
    const Case cases[] = {
        // "&&" draws one ampersand, so it takes the room of one.
        {QStringLiteral("A&&B"), metrics.size(0, QStringLiteral("A&B")).width(),
         QStringLiteral("A&&B")},
        // The mnemonic mark itself takes no room.
        {QStringLiteral("&Home"), width(QStringLiteral("Home")), QStringLiteral("&Home")},
        {QStringLiteral("首页"), width(QStringLiteral("首页")) - 1, QStringLiteral("首")},
        // Half of a surrogate pair is never left behind.
        {QStringLiteral("a😀"), width(QStringLiteral("a😀")) - 1, QStringLiteral("a")},
        {QStringLiteral("Home"), 0, QString()},
        {QStringLiteral("Home"), -20, QString()},
    };
    for (const Case& c : cases)
        EXPECT_EQ(TTabButton::fittedCaption(c.caption, metrics, c.available), c.fitted)
            << c.caption.toStdString() << " in " << c.available;
}

// The tab painted on a transparent image, with a solid square glyph.
class TTabButtonPaint : public ::testing::Test {
protected:
    static constexpr QColor GlyphColor{0x20, 0x40, 0xE0};

    TTabButtonPaint() {
        QPixmap glyph(8, 8);
        glyph.fill(GlyphColor);
        tab.setGlyph(glyph);
        tab.resize(160, 24);
    }

    QImage paint() { return tab.grab().toImage().convertToFormat(QImage::Format_ARGB32); }

    static QRect glyphRect(const QImage& image) {
        QRect found;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixelColor(x, y) == GlyphColor)
                    found |= QRect(x, y, 1, 1);
        return found;
    }

    TTabButton tab;
};

TEST_F(TTabButtonPaint, UpTabIsRaised) {
    const QImage image = paint();
    EXPECT_EQ(image.pixelColor(0, 0), tab.LightColor);
    EXPECT_EQ(image.pixelColor(0, 12), tab.LightColor);
    EXPECT_EQ(image.pixelColor(80, 0), tab.LightColor);
    EXPECT_EQ(image.pixelColor(159, 23), tab.ShadowColor);
    EXPECT_EQ(image.pixelColor(159, 12), tab.ShadowColor);
    EXPECT_EQ(image.pixelColor(80, 23), tab.ShadowColor);
    // Nothing fills the face.
    EXPECT_EQ(image.pixelColor(150, 12).alpha(), 0);
    EXPECT_EQ(glyphRect(image), QRect(4, 8, 8, 8));
}

TEST_F(TTabButtonPaint, DownTabIsSunkenWithItsContentsMoved) {
    tab.setChecked(true);
    const QImage image = paint();
    EXPECT_EQ(image.pixelColor(0, 0), tab.ShadowColor);
    EXPECT_EQ(image.pixelColor(80, 0), tab.ShadowColor);
    EXPECT_EQ(image.pixelColor(159, 23), tab.LightColor);
    EXPECT_EQ(image.pixelColor(80, 23), tab.LightColor);
    EXPECT_EQ(image.pixelColor(150, 12).alpha(), 0);
    EXPECT_EQ(glyphRect(image), QRect(5, 9, 8, 8));
}

TEST(TTabButton, DrawnCaptionStaysInsideItsRoom) {
    TTabButton tab;
    tab.setCaption(QStringLiteral("A very long caption that does not fit"));
    for (const int width : {160, 60}) {
        tab.resize(width, 24);
        const QImage image = tab.grab().toImage().convertToFormat(QImage::Format_ARGB32);
        int right = -1;
        for (int y = 1; y < image.height() - 1; ++y)
            for (int x = 1; x < image.width() - 1; ++x)
                if (image.pixelColor(x, y).alpha() > 0)
                    right = std::max(right, x);
        EXPECT_LT(right, width - 4) << width;
        EXPECT_GT(right, width - 20) << width;
    }
}

} // namespace

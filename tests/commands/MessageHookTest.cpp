#include "commands/Commands.h"
#include "pages/TabStrip.h"
#include "pages/TfrmPage.h"
#include "support/MainWindowFixture.h"
#include "support/Wait.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QtTest/QTest>

namespace {

// Counts the key presses a widget receives, leaving out the modifier keys.
class KeyCounter : public QObject {
public:
    explicit KeyCounter(QWidget* widget) { widget->installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key != Qt::Key_Control && key != Qt::Key_Shift && key != Qt::Key_Alt)
                ++presses;
        }
        return false;
    }
    int presses = 0;
};

class KeyRouting : public MainWindowFixture {
protected:
    void SetUp() override {
        start();
        for (QAction* command : main->commands->all())
            QObject::connect(command, &QAction::triggered, main.get(),
                             [this, command] { ran << command->objectName(); });
    }

    QWidget* pageWidget() { return main->Page(0)->WB().widget(); }
    QLineEdit* addressEdit() { return main->cbAddress->lineEdit(); }

    QStringList ran;
};

} // namespace

TEST_F(KeyRouting, CommandKeysActFromAnyControl) {
    open("http://1.test/");
    pageWidget()->setFocusPolicy(Qt::StrongFocus);
    struct Case {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        QString command;
    };
    const Case cases[] = {
        {Qt::Key_N, Qt::ControlModifier, "actNew"},
        {Qt::Key_O, Qt::ControlModifier, "actOpen"},
        {Qt::Key_S, Qt::ControlModifier, "actSave"},
        {Qt::Key_P, Qt::ControlModifier, "actPrintDlg"},
        {Qt::Key_F, Qt::ControlModifier, "actFind"},
        {Qt::Key_F4, Qt::ControlModifier, "actClose"},
        {Qt::Key_F4, Qt::ControlModifier | Qt::ShiftModifier, "actCloseAll"},
        {Qt::Key_Up, Qt::ControlModifier, "actPreviousPage"},
        {Qt::Key_Down, Qt::ControlModifier, "actNextPage"},
        {Qt::Key_Escape, Qt::NoModifier, "actStop"},
        {Qt::Key_Escape, Qt::ShiftModifier, "actStopAll"},
        {Qt::Key_F5, Qt::NoModifier, "actRefresh"},
        {Qt::Key_F5, Qt::ShiftModifier, "actRefreshAll"},
        {Qt::Key_Home, Qt::AltModifier, "actHome"},
        {Qt::Key_Left, Qt::AltModifier, "actBack"},
        {Qt::Key_Right, Qt::AltModifier, "actForward"},
    };
    for (QWidget* focus : {static_cast<QWidget*>(addressEdit()), pageWidget()}) {
        for (const Case& c : cases) {
            SCOPED_TRACE((focus == pageWidget() ? "page: " : "address box: ") +
                         c.command.toStdString());
            ran.clear();
            KeyCounter seen(focus);
            QTest::keyClick(focus, c.key, c.modifiers);
            // New opens a page through the command it picks; Ctrl+F4 closes one.
            EXPECT_TRUE(ran.contains(c.command)) << ran.join(' ').toStdString();
            EXPECT_EQ(seen.presses, 0);
        }
    }
}

TEST_F(KeyRouting, EditingKeysGoToTheFocusedField) {
    open("http://1.test/");
    main->cbAddress->setEditText("http://example.test/");
    addressEdit()->setFocus();
    QTest::keyClick(addressEdit(), Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(addressEdit()->selectedText(), "http://example.test/");
    QTest::keyClick(addressEdit(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), "http://example.test/");
    EXPECT_TRUE(ran.isEmpty());

    // In a page the page handles them; Ctrl+A and Ctrl+C also run their commands.
    KeyCounter seen(pageWidget());
    for (Qt::Key key : {Qt::Key_A, Qt::Key_C, Qt::Key_X, Qt::Key_V})
        QTest::keyClick(pageWidget(), key, Qt::ControlModifier);
    EXPECT_EQ(ran, QStringList({"actSelectAll", "actCopy"}));
    EXPECT_EQ(seen.presses, 4);
}

TEST_F(KeyRouting, AltKeys) {
    QTest::keyClick(static_cast<QWidget*>(main->bpTabs), Qt::Key_D, Qt::AltModifier);
    EXPECT_TRUE(addressEdit()->hasFocus() || main->cbAddress->hasFocus());

    // With no page open, other Alt keys are dropped; with one, they go to its browser.
    QTest::keyClick(addressEdit(), Qt::Key_5, Qt::AltModifier);
    open("http://1.test/");
    KeyCounter seen(pageWidget());
    QTest::keyClick(addressEdit(), Qt::Key_5, Qt::AltModifier);
    EXPECT_EQ(seen.presses, 1);
    // A menu letter inside the page is the page's, not the menu's.
    pageWidget()->setFocusPolicy(Qt::StrongFocus);
    main->activateWindow();
    pageWidget()->setFocus();
    ASSERT_TRUE(waitFor([&] { return pageWidget()->hasFocus(); }));
    QTest::keyClick(pageWidget(), Qt::Key_F, Qt::AltModifier);
    EXPECT_EQ(seen.presses, 2);
    EXPECT_TRUE(ran.isEmpty());
}

TEST_F(KeyRouting, EnterAndClicksInAPageMarkAUserAction) {
    open("http://1.test/");
    KeyCounter seen(pageWidget());
    QTest::keyClick(pageWidget(), Qt::Key_Return);
    EXPECT_EQ(seen.presses, 1);
    EXPECT_TRUE(main->UserClicked);
    EXPECT_TRUE(waitFor([&] { return !main->UserClicked; }));

    QTest::mouseClick(pageWidget(), Qt::LeftButton);
    EXPECT_TRUE(main->UserClicked);
    EXPECT_TRUE(waitFor([&] { return !main->UserClicked; }));

    QTest::keyClick(addressEdit(), Qt::Key_Return);
    EXPECT_FALSE(main->UserClicked);
}

TEST_F(KeyRouting, KeysWithoutPagesTouchNoPage) {
    for (int i = 0; i < 3; ++i) {
        QTest::keyClick(addressEdit(), Qt::Key_F4, Qt::ControlModifier);
        QTest::keyClick(addressEdit(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(addressEdit(), Qt::Key_Return);
        QTest::keyClick(addressEdit(), Qt::Key_5, Qt::AltModifier);
    }
    EXPECT_EQ(main->PageCount(), 0);
    // Outside the pages, Alt with a menu letter opens that menu.
    QTest::keyClick(addressEdit(), Qt::Key_F, Qt::AltModifier);
    QWidget* menu = QApplication::activePopupWidget();
    ASSERT_NE(menu, nullptr);
    menu->close();
    // F11 runs its command the framework's way: the auto-check mark flips first.
    QAction* fullScreen = (*main->commands)["actFullScreen"];
    QTest::keyClick(addressEdit(), Qt::Key_F11);
    EXPECT_TRUE(fullScreen->isChecked());
    EXPECT_EQ(ran.count("actFullScreen"), 1);
}

#include "commands/AddressBar.h"

#include "commands/Commands.h"
#include "pages/TfrmPage.h"
#include "platform/Registry.h"
#include "support/MainWindowFixture.h"
#include "support/Wait.h"

#include <QAbstractItemView>
#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QCompleter>
#include <QGuiApplication>
#include <QLineEdit>
#include <QTimer>
#include <QtTest/QTest>

#include <functional>
#include <memory>

namespace {

const QString TypedUrls = QStringLiteral("Software\\Microsoft\\Internet Explorer\\TypedURLs");

class MainHost : public AddressHost {
public:
    explicit MainHost(TfrmCorvaneMain& main) : main_(main) {}
    int PageCount() const override { return main_.PageCount(); }
    TfrmPage* ActivePage() const override { return main_.ActivePage(); }
    TfrmPage* NewPage(bool asPopup, bool foreground) override {
        return main_.NewPage(asPopup, foreground);
    }
    bool NewAddressSetting() const override { return main_.Snapshot().NewAddress; }

private:
    TfrmCorvaneMain& main_;
};

// Each value of the typed-address key as "name=data", in the order the hive keeps.
QStringList storedTypedUrls() {
    Registry registry;
    QStringList out;
    if (!registry.openKey(TypedUrls, false))
        return out;
    for (const QString& name : registry.valueNames())
        out << name + '=' + registry.readString(name).value_or("<none>");
    return out;
}

void storeTypedUrls(const QStringList& urls) {
    Registry registry;
    ASSERT_TRUE(registry.openKey(TypedUrls, true));
    for (int i = 0; i < urls.size(); ++i)
        ASSERT_TRUE(registry.writeString("Url" + QString::number(i + 1), urls[i]));
}

QStringList items(const QComboBox* box) {
    QStringList out;
    for (int i = 0; i < box->count(); ++i)
        out << box->itemText(i);
    return out;
}

// Holds a modifier key down for the commands run meanwhile, as the user would.
class HeldKey {
public:
    HeldKey(QWidget* widget, Qt::Key key, Qt::KeyboardModifier modifier)
        : widget_(widget), key_(key) {
        QTest::keyPress(widget_, key_, modifier);
    }
    ~HeldKey() { QTest::keyRelease(widget_, key_, Qt::NoModifier); }

private:
    QWidget* widget_;
    Qt::Key key_;
};

class AddressBarTest : public MainWindowFixture {
protected:
    void SetUp() override { QGuiApplication::clipboard()->clear(); }

    void TearDown() override {
        // QTest leaves the modifiers of the last key it pressed as the application's
        // state; later tests must not open with Shift or Ctrl still down.
        if (bar)
            QTest::keyRelease(box(), Qt::Key_Shift, Qt::NoModifier);
        bar.reset();
        host.reset();
        MainWindowFixture::TearDown();
    }

    void create() {
        start();
        host = std::make_unique<MainHost>(*main);
        bar = std::make_unique<AddressBar>(*host, commands);
        bar->show();
    }

    QComboBox* box() const { return bar->cbAddress(); }

    // Types into the box through its key events and presses Enter.
    void enter(const QString& text, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        box()->clearEditText();
        QTest::keyClicks(box(), text);
        QTest::keyClick(box(), Qt::Key_Return, modifiers);
    }

    QStringList navigated(int index) const { return browserOf(main->Page(index)).navigated; }

    Commands commands;
    std::unique_ptr<MainHost> host;
    std::unique_ptr<AddressBar> bar;
};

TEST_F(AddressBarTest, EnterPutsHttpInFrontUnlessTheTextIsAnAddressOrALocalPath) {
    writeFile(env.path("page.html"), "<html></html>");
    create();
    TfrmPage* page = open("about:blank");
    const std::pair<QString, QString> cases[] = {
        {"example.org", "http://example.org"},
        {"  spaced.example  ", "http://spaced.example"},
        {"ftp://files.example", "ftp://files.example"},
        {env.path("page.html"), env.path("page.html")},
        {env.root(), env.root()},
        {env.path("missing.html"), "http://" + env.path("missing.html")},
    };
    QStringList expected{"about:blank"};
    for (const auto& [typed, opened] : cases) {
        SCOPED_TRACE(typed.toStdString());
        enter(typed);
        expected << opened;
        // Once each: the box's own Enter handling must not open it again.
        EXPECT_EQ(browserOf(page).navigated, expected);
        EXPECT_EQ(box()->currentText(), opened);
        EXPECT_EQ(items(box()).value(0), opened);
        EXPECT_EQ(storedTypedUrls().value(0), "Url1=" + opened);
    }
    EXPECT_EQ(main->PageCount(), 1);
    EXPECT_FALSE(bar->AddressTyping());
}

TEST_F(AddressBarTest, CtrlEnterWrapsTheTextAsIs) {
    create();
    TfrmPage* page = open("about:blank");
    enter("corvane", Qt::ControlModifier);
    enter("http://a.example", Qt::ControlModifier);
    EXPECT_EQ(browserOf(page).navigated, (QStringList{"about:blank", "http://www.corvane.com",
                                                      "http://www.http://a.example.com"}));
    EXPECT_EQ(storedTypedUrls(),
              (QStringList{"Url1=http://www.http://a.example.com", "Url2=http://www.corvane.com"}));
}

TEST_F(AddressBarTest, CtrlShiftEnterOpensTheCompletedAddressInAPageBehind) {
    create();
    TfrmPage* page = open("about:blank");
    enter("corvane", Qt::ControlModifier | Qt::ShiftModifier);
    ASSERT_EQ(main->PageCount(), 2);
    EXPECT_EQ(main->ActivePage(), page);
    EXPECT_EQ(navigated(1), QStringList{"http://www.corvane.com"});
}

TEST_F(AddressBarTest, OpenRuleChoosesBetweenTheActivePageAndANewOne) {
    struct Case {
        const char* name;
        bool pageOpen;
        bool newAddress;
        Qt::KeyboardModifiers modifiers;
        bool newPage;
    };
    const Case cases[] = {
        {"plain", true, false, Qt::NoModifier, false},
        {"shift", true, false, Qt::ShiftModifier, true},
        {"NewAddress", true, true, Qt::NoModifier, true},
        {"no page", false, false, Qt::NoModifier, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        create();
        main->Snapshot().NewAddress = c.newAddress;
        TfrmPage* page = c.pageOpen ? open("about:blank") : nullptr;
        const int before = main->PageCount();
        enter("corvane.example", c.modifiers);
        ASSERT_EQ(main->PageCount(), before + (c.newPage ? 1 : 0));
        TfrmPage* target = c.newPage ? main->Page(0) : page;
        EXPECT_NE(target, c.newPage ? page : nullptr);
        EXPECT_EQ(browserOf(target).navigated.value(c.newPage ? 0 : 1), "http://corvane.example");
        if (page) {
            EXPECT_EQ(browserOf(page).navigated.size(), c.newPage ? 1 : 2);
        }
        TearDown();
    }
}

TEST_F(AddressBarTest, GoCommandsSendTheTextUnchangedAndRecordNothing) {
    storeTypedUrls({"http://kept.example/"});
    create();
    TfrmPage* page = open("about:blank");
    QTest::keyClicks(box(), "corvane");
    commands["actGO"]->trigger();
    commands["actOpenAddress"]->trigger();
    EXPECT_EQ(browserOf(page).navigated, (QStringList{"about:blank", "corvane", "corvane"}));

    commands["actOpenAddressNew"]->trigger();
    ASSERT_EQ(main->PageCount(), 2);
    EXPECT_EQ(navigated(0), QStringList{"corvane"});

    EXPECT_EQ(items(box()), QStringList{"http://kept.example/"});
    EXPECT_EQ(storedTypedUrls(), QStringList{"Url1=http://kept.example/"});
}

TEST_F(AddressBarTest, PickingFromTheListOpensItOnceAndMovesItToTheTop) {
    storeTypedUrls({"http://a.example/", "http://b.example/", "http://c.example/"});
    create();
    TfrmPage* page = open("about:blank");
    box()->showPopup();
    ASSERT_TRUE(waitFor([&] { return box()->view()->isVisible(); }));
    box()->view()->setCurrentIndex(box()->model()->index(2, 0));
    QTest::keyClick(box()->view(), Qt::Key_Return);
    EXPECT_EQ(browserOf(page).navigated, (QStringList{"about:blank", "http://c.example/"}));
    EXPECT_EQ(items(box()),
              (QStringList{"http://c.example/", "http://a.example/", "http://b.example/"}));
    EXPECT_EQ(storedTypedUrls(), (QStringList{"Url1=http://c.example/", "Url2=http://a.example/",
                                              "Url3=http://b.example/"}));

    // The box reports leaving the field on an item's text as activation too.
    box()->setEditText("http://b.example/");
    emit box()->lineEdit()->editingFinished();
    QCoreApplication::processEvents();
    EXPECT_EQ(browserOf(page).navigated.size(), 2);
}

TEST_F(AddressBarTest, ShiftWithAPickOpensANewPage) {
    storeTypedUrls({"http://a.example/", "http://b.example/"});
    create();
    open("about:blank");
    box()->showPopup();
    ASSERT_TRUE(waitFor([&] { return box()->view()->isVisible(); }));
    box()->view()->setCurrentIndex(box()->model()->index(1, 0));
    QTest::keyClick(box()->view(), Qt::Key_Return, Qt::ShiftModifier);
    ASSERT_EQ(main->PageCount(), 2);
    EXPECT_EQ(navigated(0), QStringList{"http://b.example/"});
}

TEST_F(AddressBarTest, EnterInTheSuggestionsOpensTheHighlightedOneOrTheTypedText) {
    storeTypedUrls({"http://alpha.example/", "http://beta.example/"});
    create();
    TfrmPage* page = open("about:blank");
    QCompleter* completer = box()->completer();
    ASSERT_NE(completer, nullptr);
    EXPECT_EQ(completer->completionMode(), QCompleter::PopupCompletion);

    box()->setEditText("beta");
    completer->setCompletionPrefix("beta");
    completer->complete();
    ASSERT_TRUE(waitFor([&] { return completer->popup()->isVisible(); }));
    completer->popup()->setCurrentIndex(completer->completionModel()->index(0, 0));
    QTest::keyClick(completer->popup(), Qt::Key_Return);
    EXPECT_FALSE(completer->popup()->isVisible());
    EXPECT_EQ(browserOf(page).navigated, (QStringList{"about:blank", "http://beta.example/"}));
    EXPECT_EQ(items(box()).value(0), "http://beta.example/");

    box()->setEditText("alp");
    completer->setCompletionPrefix("alp");
    completer->complete();
    ASSERT_TRUE(waitFor([&] { return completer->popup()->isVisible(); }));
    completer->popup()->setCurrentIndex({});
    QTest::keyClick(completer->popup(), Qt::Key_Return);
    EXPECT_EQ(browserOf(page).navigated,
              (QStringList{"about:blank", "http://beta.example/", "http://alp"}));
}

TEST_F(AddressBarTest, TypingProtectionEndsTwoSecondsAfterTheFirstKeyOfARun) {
    create();
    auto* timer = bar->findChild<QTimer*>("TATimer");
    ASSERT_NE(timer, nullptr);
    EXPECT_FALSE(bar->AddressTyping());

    QTest::keyClick(box(), Qt::Key_A);
    EXPECT_TRUE(bar->AddressTyping());
    EXPECT_TRUE(timer->isActive());
    ASSERT_TRUE(waitFor([&] { return timer->remainingTime() < 1900; }));
    QTest::keyClick(box(), Qt::Key_B);
    EXPECT_LT(timer->remainingTime(), 1900) << "a later key restarted the timer";

    EXPECT_TRUE(waitFor([&] { return !bar->AddressTyping(); }));
    EXPECT_FALSE(timer->isActive());

    QTest::keyClick(box(), Qt::Key_C);
    EXPECT_TRUE(bar->AddressTyping());
    QTest::keyClick(box(), Qt::Key_Return);
    EXPECT_FALSE(bar->AddressTyping());
    EXPECT_FALSE(timer->isActive());

    QTest::keyClick(box(), Qt::Key_D);
    bar->TATimerTimer();
    EXPECT_FALSE(bar->AddressTyping());
}

TEST_F(AddressBarTest, ClipboardCommandsOpenTheFirst254Characters) {
    create();
    TfrmPage* page = open("about:blank");
    const QString long300 = "http://example.org/" + QString(281, 'x');
    QGuiApplication::clipboard()->setText(long300);
    commands["actGoFromClipboard"]->trigger();
    EXPECT_EQ(browserOf(page).navigated.value(1), long300.left(254));

    QString huge = "http://big.example/\r\n\t\x01";
    while (huge.size() < 1024 * 1024)
        huge += "line\r\n\x02";
    QGuiApplication::clipboard()->setText(huge);
    commands["actNewClipboard"]->trigger();
    ASSERT_EQ(main->PageCount(), 2);
    EXPECT_EQ(navigated(0), QStringList{huge.left(254)});
}

TEST_F(AddressBarTest, EmptyClipboardLeavesABlankNewPageOrChangesNothing) {
    create();
    TfrmPage* page = open("about:blank");
    commands["actGoFromClipboard"]->trigger();
    EXPECT_EQ(main->PageCount(), 1);
    EXPECT_EQ(browserOf(page).navigated, QStringList{"about:blank"});
    commands["actNewClipboard"]->trigger();
    ASSERT_EQ(main->PageCount(), 2);
    EXPECT_TRUE(navigated(0).isEmpty());
}

TEST_F(AddressBarTest, NewPageCommandsBringTheirPageToTheFrontEvenWithCtrlHeld) {
    create();
    TfrmPage* first = open("http://current.example/");
    const HeldKey ctrl(box(), Qt::Key_Control, Qt::ControlModifier);

    commands["actNewCurrent"]->trigger();
    EXPECT_EQ(main->PageCount(), 1) << "the page reports no location yet";

    browserOf(first).location = "http://current.example/";
    commands["actNewCurrent"]->trigger();
    ASSERT_EQ(main->PageCount(), 2);
    EXPECT_EQ(navigated(0), QStringList{"http://current.example/"});
    EXPECT_NE(main->ActivePage(), first);

    commands["actNewBlank"]->trigger();
    ASSERT_EQ(main->PageCount(), 3);
    EXPECT_TRUE(navigated(0).isEmpty());

    commands["actNewHomepage"]->trigger();
    ASSERT_EQ(main->PageCount(), 4);
    EXPECT_EQ(navigated(0), QStringList{"about:home"});

    // Only the clipboard command leaves its page where Ctrl put it.
    TfrmPage* front = main->ActivePage();
    QGuiApplication::clipboard()->setText("http://clip.example/");
    commands["actNewClipboard"]->trigger();
    ASSERT_EQ(main->PageCount(), 5);
    EXPECT_EQ(main->ActivePage(), front);
}

TEST_F(AddressBarTest, TypedListLoadsWhatIsReadableAndWritesBackACleanList) {
    QByteArray hive = "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\" + TypedUrls.toLatin1() + "]\r\n";
    hive += "\"Url1\"=\"http://a.example/\"\r\n";
    hive += "\"Url3\"=\"\"\r\n";
    hive += "\"Url4\"=\"http://" + QByteArray(100 * 1024, 'h') + "\"\r\n";
    hive += QByteArray("\"Url5\"=\"http://b.exa\x01\x1bmple/\0\"\r\n", 33);
    hive += "\"Url6\"=\"\xff\x80\xfe\"\r\n";
    hive += "\"Url7\"=\"http://c.example/\"\r\n";
    hive += "\"Url9\"=\"http://a.example/\"\r\n";
    hive += "\"Other\"=\"kept\"\r\n";
    writeFile(Registry().hivePath(), hive);
    create();
    const QStringList loaded{"http://a.example/", "http://b.example/", "http://c.example/"};
    EXPECT_EQ(items(box()), loaded);
    EXPECT_TRUE(box()->currentText().isEmpty());

    TfrmPage* page = open("about:blank");
    enter("new.example");
    EXPECT_EQ(browserOf(page).navigated.value(1), "http://new.example");
    QStringList stored = storedTypedUrls();
    stored.sort();
    EXPECT_EQ(stored,
              (QStringList{"Other=kept", "Url1=http://new.example", "Url2=http://a.example/",
                           "Url3=http://b.example/", "Url4=http://c.example/"}));

    storeTypedUrls({"http://reloaded.example/"});
    bar->ReloadTypedUrls();
    EXPECT_EQ(items(box()).value(0), "http://reloaded.example/");
    EXPECT_EQ(box()->currentText(), "http://reloaded.example/");
}

TEST_F(AddressBarTest, TypedListKeepsAtMost25WithoutDuplicates) {
    QStringList urls;
    for (int i = 1; i <= 25; ++i)
        urls << QString("http://site%1.example/").arg(i);
    storeTypedUrls(urls);
    create();
    TfrmPage* page = open("about:blank");

    enter("fresh.example");
    QStringList expected = urls.mid(0, 24);
    expected.prepend("http://fresh.example");
    EXPECT_EQ(items(box()), expected);

    enter("http://site7.example/");
    expected.removeAll("http://site7.example/");
    expected.prepend("http://site7.example/");
    EXPECT_EQ(items(box()), expected);
    QStringList written;
    for (int i = 0; i < expected.size(); ++i)
        written << QString("Url%1=").arg(i + 1) + expected[i];
    EXPECT_EQ(storedTypedUrls(), written);
    EXPECT_EQ(browserOf(page).navigated.size(), 3);
}

} // namespace

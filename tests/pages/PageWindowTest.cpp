#include "commands/Commands.h"
#include "pages/StatusBar.h"
#include "pages/TTabButton.h"
#include "pages/TabStrip.h"
#include "pages/TfrmPage.h"
#include "support/MainWindowFixture.h"
#include "support/Wait.h"

#include <QComboBox>
#include <QMdiArea>
#include <QtTest/QTest>

namespace {

class PageWindow : public MainWindowFixture {
protected:
    void SetUp() override { start(); }
};

} // namespace

TEST_F(PageWindow, TabImagesFollowTheLoad) {
    struct Case {
        int progress, max, image, percent;
    };
    const Case cases[] = {
        {50, 100, 5, 50}, {100, 100, 0, 100}, {0, 100, 9, 0},   {5, 0, 0, 0},  {1, 100, 1, 1},
        {12, 100, 1, 12}, {13, 100, 2, 13},   {99, 100, 8, 99}, {3, 8, 4, 37}, {200, 100, 0, 200},
    };
    TfrmPage* page = open("http://example.test/");
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.progress << "/" << c.max);
        emit browserOf(page).ProgressChange(c.progress, c.max);
        EXPECT_EQ(page->TabIcon, c.image);
        EXPECT_EQ(page->ProgressPercent, c.percent);
        EXPECT_EQ(main->bpStatus->gaugePosition(), c.max > 0 ? std::min(c.progress, c.max) : 0);
    }
    browserOf(page).busy = false;
    emit browserOf(page).DocumentComplete();
    EXPECT_EQ(page->TabIcon, TfrmPage::IdleImage);
    EXPECT_EQ(page->ProgressPercent, 0);
}

TEST_F(PageWindow, ATitleWithAnAmpersandShowsItOnceEverywhere) {
    TfrmPage* page = open("http://example.test/");
    emit browserOf(page).TitleChange("Tom & Jerry");
    EXPECT_EQ(page->Tab->caption(), "Tom && Jerry");
    EXPECT_EQ(page->Tab->toolTip(), "Tom & Jerry");
    EXPECT_EQ(page->windowTitle(), "Tom & Jerry");
    EXPECT_EQ(main->windowTitle(), "Tom & Jerry - Corvane 6.5");
    emit browserOf(page).StatusTextChange("a&b");
    EXPECT_EQ(main->bpStatus->statusText(), "  a&&b");
}

TEST_F(PageWindow, MutedPagesIgnoreTheirEvents) {
    TfrmPage* page = open("http://example.test/");
    emit browserOf(page).TitleChange("before");
    for (bool closingAll : {false, true}) {
        SCOPED_TRACE(closingAll ? "closing all" : "closing");
        page->SetPageClosing(!closingAll);
        main->SetClosingAll(closingAll);
        emit browserOf(page).TitleChange("after");
        emit browserOf(page).ProgressChange(50, 100);
        emit browserOf(page).StatusTextChange("status");
        emit browserOf(page).CommandStateChange(BrowserCommand::NavigateBack, true);
        EXPECT_EQ(page->windowTitle(), "before");
        EXPECT_EQ(page->TabIcon, TfrmPage::IdleImage);
        EXPECT_EQ(page->StatusText, "");
        EXPECT_FALSE(page->CanGoBack);
    }
    page->SetPageClosing(false);
    main->SetClosingAll(false);
}

TEST_F(PageWindow, ABackgroundPageReachesTheStatusBarWhenActivated) {
    TfrmPage* background = open("http://one.test/");
    TfrmPage* front = open("http://two.test/");
    ASSERT_TRUE(main->IsActivePage(front));
    emit browserOf(front).StatusTextChange("front");
    emit browserOf(background).ProgressChange(30, 60);
    emit browserOf(background).StatusTextChange("background");
    emit browserOf(background).SetSecureLockIcon(SecureLock::Secure);
    EXPECT_EQ(main->bpStatus->statusText(), "  front");
    EXPECT_EQ(main->bpStatus->gaugePosition(), 0);
    // The lock speaks at once, whichever page reports it.
    EXPECT_EQ(main->bpStatus->lockHint(), QStringLiteral("你正在浏览一个128位SSL安全保证的网页."));

    background->BringToFront();
    ASSERT_TRUE(main->IsActivePage(background));
    EXPECT_EQ(main->bpStatus->statusText(), "  background");
    EXPECT_EQ(main->bpStatus->gaugeMaximum(), 100);
    EXPECT_EQ(main->bpStatus->gaugePosition(), 50);
    EXPECT_EQ(main->cbAddress->currentText(), "http://one.test/");
    EXPECT_TRUE(background->Tab->isChecked());
    EXPECT_FALSE(front->Tab->isChecked());

    front->BringToFront();
    EXPECT_EQ(main->bpStatus->lockHint(), "");
}

TEST_F(PageWindow, ClosingTheOnlyPageResetsTheMainWindow) {
    TfrmPage* page = open("http://example.test/");
    emit browserOf(page).TitleChange("Title");
    emit browserOf(page).StatusTextChange("status");
    emit browserOf(page).ProgressChange(40, 100);
    emit browserOf(page).SetSecureLockIcon(SecureLock::Unsecure);
    page->PostClose();
    ASSERT_TRUE(closed(page));
    EXPECT_EQ(main->windowTitle(), "Corvane 6.5");
    EXPECT_EQ(main->cbAddress->currentText(), "");
    EXPECT_EQ(main->bpStatus->statusText(), "");
    EXPECT_EQ(main->bpStatus->gaugePosition(), 0);
    EXPECT_EQ(main->bpStatus->lockHint(), "");
    EXPECT_TRUE(main->bpTabs->tabs().empty());
    EXPECT_EQ(main->PageCount(), 0);
}

TEST_F(PageWindow, AScriptThatClosesItsWindowClosesThePageAndItsTab) {
    TfrmPage* stays = open("http://stays.test/");
    TfrmPage* page = open("http://closes.test/");
    bool cancel = false;
    emit browserOf(page).WindowClosing(cancel);
    EXPECT_TRUE(cancel);
    ASSERT_TRUE(closed(page));
    ASSERT_EQ(main->bpTabs->tabs().size(), 1u);
    EXPECT_EQ(main->bpTabs->tabs().front(), stays->Tab);
    EXPECT_TRUE(main->IsActivePage(stays));
}

TEST_F(PageWindow, ScriptGeometryWithinItsBounds) {
    TfrmPage* page = open("http://example.test/");
    const QRect before = page->geometry();
    emit browserOf(page).WindowSetWidth(20);
    emit browserOf(page).WindowSetHeight(20);
    emit browserOf(page).WindowSetLeft(0);
    emit browserOf(page).WindowSetLeft(main->TopPanelWidth() - 100);
    emit browserOf(page).WindowSetTop(main->PageAreaHeight() - 30);
    EXPECT_EQ(page->geometry(), before);
    emit browserOf(page).WindowSetTop(1);
    emit browserOf(page).WindowSetWidth(300);
    EXPECT_EQ(page->geometry(), QRect(before.x(), 1, 300, before.height()));

    // A maximized page is restored first, then sized.
    page->WMSysCommand(TfrmPage::SysCommand::Maximize);
    ASSERT_TRUE(page->Maximized);
    emit browserOf(page).WindowSetHeight(200);
    EXPECT_FALSE(page->Maximized);
    EXPECT_EQ(page->geometry(), QRect(before.x(), 1, 300, 200));
}

TEST_F(PageWindow, MaximizingStoresOpenMaxForTheNextPages) {
    TfrmPage* page = open("http://example.test/");
    page->WMSysCommand(TfrmPage::SysCommand::Maximize);
    EXPECT_EQ(setting("OpenMax"), "yes");
    EXPECT_TRUE(page->Maximized);
    EXPECT_EQ(page->geometry(), QRect(QPoint(0, 0), main->MaximizedPageSize()));
    EXPECT_TRUE(page->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_TRUE(main->pnlSystem->isVisibleTo(main.get()));

    TfrmPage* next = open("http://next.test/");
    EXPECT_TRUE(next->Maximized);
    EXPECT_EQ(next->geometry().size(), main->MaximizedPageSize());

    next->WMSysCommand(TfrmPage::SysCommand::Restore);
    EXPECT_EQ(setting("OpenMax"), QStringLiteral("否"));
    EXPECT_FALSE(next->Maximized);
    EXPECT_FALSE(next->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(next->size(), TfrmPage::InitialSize);
}

TEST_F(PageWindow, AScriptAddressInABrandNewPageIsNotRun) {
    TfrmPage* page = main->NewPage(false, true);
    page->NavigatePage("JavaScript:alert(1)");
    EXPECT_TRUE(browserOf(page).navigated.isEmpty());
    browserOf(page).hasDocument = true;
    page->NavigatePage("javascript:alert(2)");
    EXPECT_EQ(browserOf(page).navigated, QStringList({"javascript:alert(2)"}));
}

TEST_F(PageWindow, WithCtrlHeldANewPageOpensBehind) {
    TfrmPage* current = open("http://current.test/");
    QTest::keyPress(main.get(), Qt::Key_Control, Qt::ControlModifier);
    TfrmPage* behind = open("http://behind.test/");
    QTest::keyRelease(main.get(), Qt::Key_Control);
    EXPECT_TRUE(main->IsActivePage(current));
    EXPECT_EQ(main->Page(1), behind);
    EXPECT_EQ(main->bpTabs->tabs().back(), behind->Tab);
    EXPECT_TRUE(current->Tab->isChecked());
    EXPECT_EQ(behind->x(), current->x() + 24);
}

TEST_F(PageWindow, PreviousAndNextPageWrapAround) {
    TfrmPage* first = open("http://1.test/");
    open("http://2.test/");
    TfrmPage* last = open("http://3.test/");
    first->BringToFront();
    emit(*main->commands)["actPreviousPage"]->triggered();
    EXPECT_TRUE(main->IsActivePage(last));
    emit(*main->commands)["actNextPage"]->triggered();
    EXPECT_TRUE(main->IsActivePage(first));
}

TEST_F(PageWindow, TabClicks) {
    TfrmPage* first = open("http://1.test/");
    TfrmPage* second = open("http://2.test/");
    QTest::mouseClick(first->Tab, Qt::LeftButton, Qt::ControlModifier);
    ASSERT_TRUE(closed(first));
    EXPECT_TRUE(main->IsActivePage(second));
    EXPECT_TRUE(second->Tab->isChecked());

    // A minimized page that was maximized comes back maximized.
    TfrmPage* third = open("http://3.test/");
    third->WMSysCommand(TfrmPage::SysCommand::Maximize);
    third->WMSysCommand(TfrmPage::SysCommand::Minimize);
    second->BringToFront();
    QTest::mouseClick(third->Tab, Qt::LeftButton);
    ASSERT_TRUE(waitFor([&] { return !third->isMinimized(); }));
    EXPECT_TRUE(third->Maximized);
    EXPECT_EQ(third->geometry().size(), main->MaximizedPageSize());
}

TEST_F(PageWindow, MiddleAndDoubleClicksCloseAsTheSettingsSay) {
    struct Case {
        const char* settings;
        bool middleCloses, doubleCloses;
    };
    const Case cases[] = {
        {"", true, true},
        {"MClickClose=\xB7\xF1\r\nLDbClickClose=\xB7\xF1\r\n", false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.settings);
        start(defaultSettings() + c.settings);
        main->ApplySettings();
        QPointer<TfrmPage> middle = open("http://middle.test/");
        QPointer<TfrmPage> twice = open("http://twice.test/");
        QTest::mouseClick(middle->Tab, Qt::MiddleButton);
        QTest::mouseDClick(twice->Tab, Qt::LeftButton);
        // A page that stays gets a later request through, so the close requests have run.
        TfrmPage* probe = open("http://probe.test/");
        probe->PostClose();
        ASSERT_TRUE(closed(probe));
        EXPECT_EQ(middle.isNull(), c.middleCloses);
        EXPECT_EQ(twice.isNull(), c.doubleCloses);
    }
}

TEST_F(PageWindow, NewWindowsPassTheFilter) {
    TfrmPage* page = open("http://example.test/");
    NewWindowRequest scripted{"http://popup.test/", false};
    emit browserOf(page).NewWindow2(scripted);
    EXPECT_TRUE(scripted.cancel);
    EXPECT_EQ(main->bpStatus->blockedCount(), "1 ");
    EXPECT_EQ(main->PageCount(), 1);

    NewWindowRequest clicked{"http://popup.test/", true};
    emit browserOf(page).NewWindow2(clicked);
    ASSERT_NE(clicked.target, nullptr);
    EXPECT_EQ(main->PageCount(), 2);
    EXPECT_EQ(main->bpTabs->tabs().size(), 2u);
}

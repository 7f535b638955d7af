#include "commands/Commands.h"
#include "pages/TfrmPage.h"
#include "support/MainWindowFixture.h"

#include <QAction>

namespace {

class PageCommands : public MainWindowFixture {
protected:
    void SetUp() override { start(); }
    void run(const char* command) { emit(*main->commands)[command]->triggered(); }
};

} // namespace

TEST_F(PageCommands, ActOnTheCurrentPageAndCheckForOne) {
    for (const char* command : {"actBack", "actForward", "actStop", "actRefresh", "actClose",
                                "actStopAll", "actRefreshAll"})
        run(command);
    EXPECT_EQ(main->PageCount(), 0);
    // Home with no page opens one.
    run("actHome");
    ASSERT_EQ(main->PageCount(), 1);
    EXPECT_EQ(browserOf(main->Page(0)).navigated, QStringList({"about:home"}));

    TfrmPage* other = open("http://other.test/");
    TfrmPage* page = open("http://page.test/");
    FakeWebBrowser& browser = browserOf(page);
    browserOf(other).location = "http://other.test/";
    run("actStop");
    run("actRefresh");
    EXPECT_EQ(browser.stops + browser.refreshes, 0); // no location yet
    browser.location = "http://page.test/";
    page->CanGoBack = true;
    main->updateRules->UpdateAll();
    run("actBack");
    run("actForward");
    run("actStop");
    run("actRefresh");
    EXPECT_EQ(browser.backs, 1);
    EXPECT_EQ(browser.forwards, 0);
    EXPECT_EQ(browser.stops, 1);
    EXPECT_EQ(browser.refreshes, 1);
    run("actRefreshAll");
    EXPECT_EQ(browser.refreshes, 2);
    EXPECT_EQ(browserOf(other).refreshes, 1);
    EXPECT_EQ(browserOf(main->Page(2)).refreshes, 0);
}

TEST_F(PageCommands, NewOpensTheDefaultNewPage) {
    open("http://current.test/");
    browserOf(main->Page(0)).location = "http://current.test/";
    struct Case {
        QByteArray defaultNewPage;
        QStringList opened;
    };
    const Case cases[] = {
        {"0", {}},
        {"1", {"http://current.test/"}},
        {"2", {"about:home"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.defaultNewPage.toStdString());
        store.WriteSetting(Setting::DefaultNewPage, QString::fromLatin1(c.defaultNewPage));
        main->ApplySettings();
        const int before = main->PageCount();
        run("actNew");
        ASSERT_EQ(main->PageCount(), before + 1);
        EXPECT_EQ(browserOf(main->Page(0)).navigated, c.opened);
        main->Page(1)->BringToFront();
    }
}

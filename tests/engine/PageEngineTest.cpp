#include "pages/QtWebBrowser.h"
#include "pages/TTabButton.h"
#include "pages/TabStrip.h"
#include "pages/TfrmPage.h"
#include "support/LoopbackHttpServer.h"
#include "support/MainWindowFixture.h"
#include "support/Wait.h"

namespace {

constexpr int Bound = 30000;

// The main window with real engine pages, fed by a loopback server.
class PageOnEngine : public MainWindowFixture {
protected:
    void SetUp() override {
        makeBrowser = [] { return new QtWebBrowser; };
        start(defaultSettings() + "StopAutoPopup=\xB7\xF1\r\n");
    }

    bool loaded(TfrmPage* page) {
        return waitFor([&] { return page->WB().HasDocument() && !page->WB().Busy(); }, Bound);
    }

    LoopbackHttpServer server;
};

} // namespace

TEST_F(PageOnEngine, TheTitleReachesTheTabAndTheLoadEndsOnTheIdleImage) {
    server.setPage("/titled", "<html><head><title>A & B</title></head><body>x</body></html>");
    TfrmPage* page = open(server.url("/titled"));
    ASSERT_TRUE(waitFor([&] { return page->Tab->caption() == "A && B"; }, Bound));
    EXPECT_EQ(main->windowTitle(), "A & B - Corvane 6.5");
    ASSERT_TRUE(loaded(page));
    EXPECT_EQ(page->TabIcon, TfrmPage::IdleImage);
    EXPECT_EQ(page->Address, server.url("/titled"));
}

TEST_F(PageOnEngine, AWindowThatClosesItselfTakesItsTabAlong) {
    server.setPage("/opener", "<html><body><script>window.open('/closer')</script></body></html>");
    server.setPage("/closer", "<html><body><script>window.close()</script></body></html>");
    open(server.url("/opener"));
    ASSERT_TRUE(waitFor([&] { return server.requests().contains("/closer"); }, Bound));
    ASSERT_TRUE(waitFor([&] { return main->PageCount() == 1; }, Bound));
    EXPECT_EQ(main->bpTabs->tabs().size(), 1u);
}

TEST_F(PageOnEngine, ScriptGeometryBelowTheBoundsIsIgnored) {
    server.setPage("/sizing",
                   "<html><body><script>resizeTo(20, 20); moveTo(0, 10)</script></body></html>");
    TfrmPage* page = main->NewPage(false, true);
    const QRect before = page->geometry();
    page->NavigatePage(server.url("/sizing"));
    ASSERT_TRUE(waitFor([&] { return page->y() == 10; }, Bound));
    EXPECT_EQ(page->geometry(), QRect(before.x(), 10, before.width(), before.height()));
}

TEST_F(PageOnEngine, AScriptAddressInABrandNewPageIsCancelled) {
    TfrmPage* page = main->NewPage(false, true);
    page->NavigatePage("javascript:location.href='" + server.url("/ran") + "'");
    EXPECT_FALSE(page->WB().HasDocument());
    // Had the script run, its request would come before this page's.
    page->NavigatePage(server.url("/after"));
    ASSERT_TRUE(loaded(page));
    ASSERT_TRUE(waitFor([&] { return server.requests().contains("/after"); }, Bound));
    EXPECT_FALSE(server.requests().contains("/ran"));
    // With a document the same address runs.
    page->NavigatePage("javascript:location.href='" + server.url("/ran") + "'");
    EXPECT_TRUE(waitFor([&] { return server.requests().contains("/ran"); }, Bound));
}

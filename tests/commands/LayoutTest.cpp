#include "commands/Commands.h"
#include "pages/StatusBar.h"
#include "pages/TabStrip.h"
#include "pages/TfrmPage.h"
#include "support/MainWindowFixture.h"
#include "support/Wait.h"

#include <QAction>
#include <QLayout>
#include <QMenuBar>
#include <QScreen>
#include <QToolButton>

namespace {

class Layout : public MainWindowFixture {
protected:
    void SetUp() override { start(); }

    void run(const char* command) { main->updateRules->Execute((*main->commands)[command]); }
    int top(QWidget* w) const { return w->mapTo(main.get(), QPoint(0, 0)).y(); }
    bool shown(QWidget* w) const { return w->isVisibleTo(main.get()); }
};

} // namespace

TEST_F(Layout, TheBottomPanelGoesWithTheTabsAndTheStatusBar) {
    run("actPageTabs");
    run("actStatusBar");
    EXPECT_FALSE(shown(main->pnlBottom));
    EXPECT_EQ(setting("TabsBar"), QStringLiteral("否"));
    EXPECT_EQ(setting("StatusBar"), QStringLiteral("否"));
    run("actStatusBar");
    EXPECT_TRUE(shown(main->pnlBottom));
    run("actPageTabs");
    main->layout()->activate();
    EXPECT_LT(top(main->bpTabs), top(main->bpStatus));
    EXPECT_EQ(setting("TabsBar"), "yes");
}

TEST_F(Layout, TopBarsKeepTheirOrder) {
    run("actAddressBar");
    run("actAddressBar");
    run("actLinksBar");
    main->layout()->activate();
    const int menu = top(main->MainMenuBar);
    const int buttons = top(main->pnlButtons);
    const int address = top(main->bpAddress);
    const int links = top(main->pnlLinksBar);
    EXPECT_LT(menu, buttons);
    EXPECT_LT(buttons, address);
    EXPECT_LT(address, links);
    EXPECT_EQ(setting("Linksbar"), "yes");
    main->updateRules->UpdateAll();
    EXPECT_TRUE((*main->commands)["actLinksBar"]->isChecked());
}

TEST_F(Layout, TheWindowStoresASizeWithinItsBounds) {
    struct Case {
        QSize size;
        QString width, height;
    };
    const Case cases[] = {
        {{1024, 180}, "1024", "700"},
        {{250, 700}, "1024", "700"},
        {{900, 650}, "900", "650"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.size.width());
        main->resize(c.size);
        ASSERT_TRUE(waitFor([&] { return main->size() == c.size; }));
        EXPECT_EQ(setting("Width"), c.width);
        EXPECT_EQ(setting("Height"), c.height);
    }
    main->showMaximized();
    ASSERT_TRUE(waitFor([&] { return main->isMaximized(); }));
    EXPECT_EQ(setting("Width"), "900");
    EXPECT_EQ(setting("Height"), "650");
}

TEST_F(Layout, FullScreenRoundTrip) {
    run("actLinksBar");
    run("actPageTabs");
    TfrmPage* page = open("http://1.test/");
    page->WMSysCommand(TfrmPage::SysCommand::Maximize);

    run("actFullScreen");
    const QSize screen = main->screen()->size();
    ASSERT_TRUE(waitFor([&] { return main->isFullScreen() && main->size() == screen; }));
    EXPECT_FALSE(shown(main->MainMenuBar));
    EXPECT_FALSE(shown(main->pnlLinksBar));
    EXPECT_FALSE(shown(main->bpStatus));
    EXPECT_TRUE(shown(main->bpTabs));
    EXPECT_TRUE(shown(main->pnlButtons));
    // From a normal window the screen's size is stored.
    EXPECT_EQ(setting("Width"), QString::number(screen.width()));
    EXPECT_EQ(main->pnlSystem->x(), screen.width() - 68);
    EXPECT_EQ(page->size(), main->MaximizedPageSize());

    run("actFullScreen");
    ASSERT_TRUE(waitFor([&] { return !main->isFullScreen(); }));
    EXPECT_TRUE(shown(main->MainMenuBar));
    EXPECT_TRUE(shown(main->pnlLinksBar));
    EXPECT_TRUE(shown(main->bpStatus));
    EXPECT_FALSE(shown(main->bpTabs));
    EXPECT_EQ(main->pnlSystem->x(), main->width() - 76);
}

TEST_F(Layout, SystemButtonsActOnTheTopmostMaximizedPage) {
    TfrmPage* maximized = open("http://1.test/");
    maximized->WMSysCommand(TfrmPage::SysCommand::Maximize);
    TfrmPage* normal = open("http://2.test/");
    normal->WMSysCommand(TfrmPage::SysCommand::Restore);
    ASSERT_TRUE(main->IsActivePage(normal));
    EXPECT_TRUE(shown(main->pnlSystem));
    auto* restore = main->pnlSystem->findChild<QToolButton*>("fsbRestore");
    ASSERT_NE(restore, nullptr);
    restore->click();
    ASSERT_TRUE(waitFor([&] { return !maximized->Maximized; }));
    EXPECT_FALSE(shown(main->pnlSystem));
}

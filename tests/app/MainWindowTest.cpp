#include "commands/Commands.h"
#include "pages/StatusBar.h"
#include "pages/TabStrip.h"
#include "pages/TfrmPage.h"
#include "support/MainWindowFixture.h"

#include <QAction>

namespace {

using MainWindow = MainWindowFixture;

const QByteArray No = "\xB7\xF1";

} // namespace

TEST_F(MainWindow, AFirstStartUsesTheDefaultsAndStoresThem) {
    start("");
    EXPECT_TRUE(main->windowState() & Qt::WindowMaximized);
    EXPECT_TRUE(main->IsMaximized);
    EXPECT_EQ(main->normalGeometry().size(), QSize(1024, 640));
    EXPECT_TRUE(main->pnlTop->isVisibleTo(main.get()));
    EXPECT_TRUE(main->bpTabs->isVisibleTo(main.get()));
    EXPECT_TRUE(main->bpStatus->isVisibleTo(main.get()));
    const QByteArray ini = readFile(store.path());
    for (const QByteArray line : {"Left=128", "Top=80", "Height=640", "Width=1024", "Maximized=yes",
                                  "ActionWhenExit=0", "OpenMax=yes"})
        EXPECT_TRUE(ini.contains(line + "\r\n")) << line.toStdString();
    EXPECT_TRUE(ini.contains("ProperlyClosed=" + No + "\r\n"));
    // With nothing else to open, the home page opens.
    ASSERT_EQ(main->PageCount(), 1);
    EXPECT_EQ(browserOf(main->Page(0)).navigated, QStringList({"about:home"}));
    EXPECT_TRUE(messages.errors.isEmpty());
}

TEST_F(MainWindow, StartUpOpensTheArgumentOrElseTheHomePage) {
    struct Case {
        QByteArray homePage;
        QString argument;
        QStringList opened;
    };
    const Case cases[] = {
        {"yes", "http://arg.test/", {"http://arg.test/"}},
        {"yes", "", {"about:home"}},
        {No, "", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.argument.toStdString());
        start("StartsWithHomePage=" + c.homePage + "\r\n", c.argument);
        QStringList opened;
        for (int i = 0; i < main->PageCount(); ++i)
            opened << browserOf(main->Page(i)).navigated;
        EXPECT_EQ(opened, c.opened);
    }
}

TEST_F(MainWindow, GeometryThatIsNoWholeNumberIsReportedAndFallsBackToItsDefault) {
    start("Maximized=" + No + "\r\nWidth=wide\r\nHeight=12x\r\nLeft=5\r\nTop=6\r\n");
    EXPECT_EQ(main->size(), QSize(1024, 640));
    EXPECT_EQ(main->pos(), QPoint(5, 6));
    EXPECT_EQ(messages.errors, QStringList({"'12x' is not a valid integer value",
                                            "'wide' is not a valid integer value"}));
}

TEST_F(MainWindow, ApplySettingsReloadsPagesOnlyWhenWhatTheyShowChanged) {
    start();
    TfrmPage* pages[] = {open("http://1.test/"), open("http://2.test/")};
    auto refreshes = [&] {
        return QList<int>{browserOf(pages[0]).refreshes, browserOf(pages[1]).refreshes};
    };
    store.WriteSetting(Setting::EMailClient, "mutt");
    main->ApplySettings();
    EXPECT_EQ(refreshes(), QList<int>({0, 0}));
    EXPECT_EQ(main->Snapshot().EMailClient, "mutt");

    store.WriteFlag(Setting::ShowPictures, false);
    main->ApplySettings();
    EXPECT_EQ(refreshes(), QList<int>({1, 1}));
    EXPECT_FALSE(browserOf(pages[1]).download & DownloadControl::DLIMAGES);

    store.WriteFlag(Setting::EnableActiveX, false);
    store.WriteFlag(Setting::WebPageAutoComplete, false);
    main->ApplySettings();
    const DownloadOptions activeX = DownloadControl::NO_RUNACTIVEXCTLS |
                                    DownloadControl::NO_DLACTIVEXCTLS | DownloadControl::SILENT;
    EXPECT_EQ(browserOf(pages[0]).download & activeX, activeX);
    EXPECT_FALSE(browserOf(pages[0]).ui & UserInterfaceOption::ENABLE_FORMS_AUTOCOMPLETE);
    // A page opened now gets the same options.
    EXPECT_EQ(browserOf(open("http://3.test/")).download, main->PageDownloadOptions());
}

TEST_F(MainWindow, DefaultNewPageMarksOneNewPageCommand) {
    start();
    struct Case {
        QByteArray value;
        bool blank, current, home;
    };
    const Case cases[] = {
        {"0", true, false, false},
        {"2", false, false, true},
        {"5", false, false, true}, // out of range: left as it was
        {"1", false, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value.toStdString());
        store.WriteSetting(Setting::DefaultNewPage, QString::fromLatin1(c.value));
        main->ApplySettings();
        const Commands& commands = *main->commands;
        EXPECT_EQ(IsDefault(commands["actNewBlank"]), c.blank);
        EXPECT_EQ(IsDefault(commands["actNewCurrent"]), c.current);
        EXPECT_EQ(IsDefault(commands["actNewHomepage"]), c.home);
    }
}

#include "commands/ActionManager.h"
#include "commands/Commands.h"
#include "pages/PageList.h"
#include "pages/TfrmPage.h"
#include "support/MainWindowFixture.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QMimeData>
#include <QToolBar>

namespace {

class CommandRules : public MainWindowFixture {
protected:
    void SetUp() override { start(); }

    // The enabled state of each command after the rules ran.
    QStringList enabled(const QStringList& names) {
        main->updateRules->UpdateAll();
        QStringList result;
        for (const QString& name : names)
            result << name + ((*main->commands)[name.toLatin1().constData()]->isEnabled() ? " on"
                                                                                          : " off");
        return result;
    }
};

const QStringList Watched = {"actClose",       "actNewCurrent", "actSave",     "actNextPage",
                             "actCloseExcept", "actBack",       "actCopy",     "actTSMedium",
                             "actNew",         "actNewBlank",   "actOpen",     "actHome",
                             "actExit",        "actCClose",     "actCMaximize"};

QStringList states(const QStringList& on) {
    QStringList result;
    for (const QString& name : Watched)
        result << name + (on.contains(name) ? " on" : " off");
    return result;
}

const QStringList AlwaysOn = {"actNew", "actNewBlank", "actOpen", "actHome", "actExit"};

} // namespace

TEST_F(CommandRules, FollowThePagesThatAreOpen) {
    EXPECT_EQ(enabled(Watched), states(AlwaysOn));

    TfrmPage* first = open("http://1.test/");
    // A page without a location or a document enables only the page-open rules.
    EXPECT_EQ(enabled(Watched), states(AlwaysOn + QStringList{"actClose"}));

    FakeWebBrowser& browser = browserOf(first);
    browser.location = "http://1.test/";
    browser.hasDocument = true;
    browser.editable = {EditCommand::Copy};
    first->CanGoBack = true;
    EXPECT_EQ(enabled(Watched),
              states(AlwaysOn + QStringList{"actClose", "actNewCurrent", "actSave", "actBack",
                                            "actCopy", "actTSMedium"}));

    open("http://2.test/");
    const QStringList two = enabled({"actNextPage", "actPreviousPage", "actCloseExcept"});
    EXPECT_EQ(two, QStringList({"actNextPage on", "actPreviousPage on", "actCloseExcept on"}));
}

TEST_F(CommandRules, TabMenuCommandsFollowItsPage) {
    TfrmPage* page = open("http://1.test/");
    EXPECT_EQ(
        enabled({"actCClose", "actCMaximize", "actCRestore", "actCMinimize"}),
        QStringList({"actCClose off", "actCMaximize off", "actCRestore off", "actCMinimize off"}));
    main->pageList->ContextPage = page;
    EXPECT_EQ(
        enabled({"actCClose", "actCMaximize", "actCRestore", "actCMinimize"}),
        QStringList({"actCClose on", "actCMaximize on", "actCRestore off", "actCMinimize on"}));
    page->WMSysCommand(TfrmPage::SysCommand::Maximize);
    EXPECT_EQ(enabled({"actCMaximize", "actCRestore"}),
              QStringList({"actCMaximize off", "actCRestore on"}));
    main->pageList->ContextPage = nullptr;
}

TEST_F(CommandRules, ClipboardAndAddressBox) {
    QGuiApplication::clipboard()->setText("http://clip.test/");
    EXPECT_EQ(enabled({"actNewClipboard", "actGoFromClipboard"}),
              QStringList({"actNewClipboard on", "actGoFromClipboard on"}));
    auto* picture = new QMimeData;
    picture->setImageData(QImage(4, 4, QImage::Format_RGB32));
    QGuiApplication::clipboard()->setMimeData(picture);
    EXPECT_EQ(enabled({"actNewClipboard", "actGoFromClipboard"}),
              QStringList({"actNewClipboard off", "actGoFromClipboard off"}));

    main->cbAddress->setEditText("");
    EXPECT_EQ(enabled({"actGO", "actOpenAddress", "actOpenAddressNew"}),
              QStringList({"actGO off", "actOpenAddress off", "actOpenAddressNew off"}));
    main->cbAddress->setEditText("example.test");
    EXPECT_EQ(enabled({"actGO", "actOpenAddress"}), QStringList({"actGO on", "actOpenAddress on"}));
}

TEST_F(CommandRules, GroupsAreExclusive) {
    const Commands& c = *main->commands;
    EXPECT_TRUE(c["actTSMedium"]->isChecked());
    c["actTSLargest"]->setEnabled(true);
    c["actTSLargest"]->trigger();
    EXPECT_TRUE(c["actTSLargest"]->isChecked());
    EXPECT_FALSE(c["actTSMedium"]->isChecked());
    c["actFavoritesBand"]->setChecked(true);
    c["actHistoryBand"]->setChecked(true);
    EXPECT_FALSE(c["actFavoritesBand"]->isChecked());
}

TEST_F(CommandRules, ToolBarCaptionsShowNoAccelerator) {
    main->updateRules->UpdateAll();
    const int bar = main->amMain->FindActionBarIndex(main->MainToolBar);
    ASSERT_EQ(bar, 1);
    for (const BarEntry& entry : main->amMain->bars()[std::size_t(bar)].root.children) {
        EXPECT_FALSE(entry.shownCaption().contains('&')) << entry.shownCaption().toStdString();
        if (entry.rendered) {
            EXPECT_FALSE(entry.rendered->text().contains('&'));
        }
    }
    EXPECT_EQ(main->amMain->FindActionBarIndex(nullptr), -1);
}

TEST_F(CommandRules, PopupGroupsAreFoundByTheirCaptions) {
    const int bar = main->amMain->FindActionBarIndex(main->PopupMenus);
    ASSERT_GE(bar, 0);
    const BarEntry& popups = main->amMain->bars()[std::size_t(bar)].root;
    EXPECT_EQ(ActionManager::FindItemByCaption(popups, "TabContextMenu"), 0);
    EXPECT_EQ(ActionManager::FindItemByCaption(popups, "HistContext"), 3);
    EXPECT_EQ(ActionManager::FindItemByCaption(popups, "histcontext"), -1);
    // Captions are compared without their "&".
    const BarEntry& tray = popups.children[1];
    EXPECT_EQ(ActionManager::FindItemByCaption(tray, "全部关闭(L)"), 2);
}

TEST_F(CommandRules, ADisabledCommandDoesNotRunFromTheKeyboard) {
    int closes = 0;
    QObject::connect((*main->commands)["actCClose"], &QAction::triggered, [&] { ++closes; });
    main->updateRules->Execute((*main->commands)["actCClose"]);
    EXPECT_EQ(closes, 0);
}

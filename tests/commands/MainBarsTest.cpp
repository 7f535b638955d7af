#include "commands/MainBars.h"

#include "commands/Commands.h"

#include <QAction>
#include <QKeySequence>
#include <QStringList>

#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

// One line for the entry: its path of shown captions, its command's name, its own
// image, its shortcut text and the flags that differ from a plain entry.
QString Describe(const BarEntry& e, const QString& path) {
    QString line = path;
    if (e.action)
        line += " " + e.action->objectName();
    if (e.imageIndex >= 0)
        line += " #" + QString::number(e.imageIndex);
    if (!e.shortcutText.isEmpty())
        line += " " + e.shortcutText;
    if (!e.visible)
        line += " hidden";
    if (!e.showCaption)
        line += " image-only";
    return line;
}

// UTF-8 lines, which gtest prints as text when they differ.
using Lines = std::vector<std::string>;

void AppendChildren(Lines& lines, const BarEntry& e, const QString& path) {
    for (const BarEntry& child : e.children) {
        const QString childPath = path + "/" + child.shownCaption();
        lines.push_back(Describe(child, childPath).toStdString());
        AppendChildren(lines, child, childPath);
    }
}

// The entry's descendants, depth first, each under its path from the entry.
Lines Flatten(const BarEntry& e) {
    Lines lines;
    AppendChildren(lines, e, e.shownCaption());
    return lines;
}

Lines Captions(const BarEntry& e) {
    Lines captions;
    for (const BarEntry& child : e.children)
        captions.push_back(child.shownCaption().toStdString());
    return captions;
}

void ForEachEntry(const BarEntry& e, const std::function<void(const BarEntry&)>& visit) {
    for (const BarEntry& child : e.children) {
        visit(child);
        ForEachEntry(child, visit);
    }
}

class MainBars : public ::testing::Test {
protected:
    Commands commands;
};

TEST_F(MainBars, MainMenuHoldsEightCommandlessMenus) {
    const BarEntry tree = MainMenuTree(commands);
    EXPECT_EQ(Captions(tree), Lines({"文件(&F)", "编辑(&E)", "查看(&V)", "导航(&N)", "收藏夹(&A)",
                                     "工具(&T)", "窗口(&W)", "帮助(&H)"}));
    for (const BarEntry& menu : tree.children) {
        EXPECT_EQ(menu.action, nullptr) << menu.caption.toStdString();
        EXPECT_FALSE(menu.children.empty()) << menu.caption.toStdString();
    }
}

TEST_F(MainBars, FileMenuEntryByEntry) {
    const Lines expected{
        "文件(&F)/新建(&N) #0",
        "文件(&F)/新建(&N)/空白页(&B) actNewBlank",
        "文件(&F)/新建(&N)/当前页(&C) actNewCurrent",
        "文件(&F)/新建(&N)/主页(&H) actNewHomepage",
        "文件(&F)/新建(&N)/-",
        "文件(&F)/新建(&N)/来自剪贴板(&F) actNewClipboard",
        "文件(&F)/打开(&O) actOpen Ctrl+O",
        "文件(&F)/打开最近的 actRecents",
        "文件(&F)/打开最近的/(空)",
        "文件(&F)/保存(&S) actSave Ctrl+S",
        "文件(&F)/-",
        "文件(&F)/关闭(&C) actClose Ctrl+F4",
        "文件(&F)/全部关闭(&L) actCloseAll Ctrl+Shift+F4",
        "文件(&F)/除当前页全部关闭(&E) actCloseExcept",
        "文件(&F)/关闭选中的... actCloseChecked",
        "文件(&F)/-",
        "文件(&F)/脱机工作(&W) actOffline #29",
        "文件(&F)/属性(&R) actProperties",
        "文件(&F)/-",
        "文件(&F)/页面设置(&A) actPageSetup",
        "文件(&F)/打印预览(&I) actPrintPreview",
        "文件(&F)/打印 actPrintDlg #10 Ctrl+P",
        "文件(&F)/-",
        "文件(&F)/发送链接... actSendLink",
        "文件(&F)/-",
        // The caption ends in two blanks.
        "文件(&F)/保存所有打开的页面并退出(&V)   actSaveExit",
        "文件(&F)/退出(&X) actExit #28",
    };
    EXPECT_EQ(Flatten(MainMenuTree(commands).children.at(0)), expected);
}

TEST_F(MainBars, TrayAndTabMenusEntryByEntry) {
    const BarEntry tree = PopupMenusTree(commands);
    ASSERT_EQ(Captions(tree),
              Lines({"TabContextMenu", "TrayIconMenu", "FavoContext", "HistContext"}));
    const Lines tab{
        "TabContextMenu/添加到(&)",
        "TabContextMenu/添加到(&)/添加到收藏夹... actCAddFavorites #18",
        "TabContextMenu/添加到(&)/添加到链接... actCAddLinks #30",
        "TabContextMenu/-",
        "TabContextMenu/关闭全部(&L) actCloseAll Ctrl+Shift+F4",
        "TabContextMenu/关闭除此以外的全部窗口 actCCloseExcept",
        "TabContextMenu/关闭选中的(&S)... actCloseChecked",
        "TabContextMenu/-",
        "TabContextMenu/&副本 actCDuplicate",
        "TabContextMenu/刷新(&E) actCRefresh #4",
        "TabContextMenu/-",
        "TabContextMenu/恢复(&R) actCRestore #35",
        "TabContextMenu/最小化(&M) actCMinimize #36",
        "TabContextMenu/最大化(&A) actCMaximize #37",
        "TabContextMenu/-",
        "TabContextMenu/关闭(&C) actCClose #38",
    };
    EXPECT_EQ(Flatten(tree.children.at(0)), tab);
    const Lines tray{
        // The caption ends in a blank.
        "TrayIconMenu/隐藏Corvane(&H)  actShowHide",
        "TrayIconMenu/-",
        "TrayIconMenu/全部关闭(&L) actCloseAll Ctrl+Shift+F4",
        "TrayIconMenu/全部刷新(&R) actRefreshAll Shift+F5",
        "TrayIconMenu/脱机工作(&W) actOffline #29",
        "TrayIconMenu/-",
        "TrayIconMenu/过滤不必要的弹出页(&B) actStopPopup #13",
        "TrayIconMenu/允许图片(&O) actAllowPictures #12",
        "TrayIconMenu/允许声音(&S) actAllowSounds #40",
        "TrayIconMenu/允许视频(&V) actAllowVideos #42",
        "TrayIconMenu/-",
        "TrayIconMenu/&Corvane 选项... actCORVANEOptions #20",
        "TrayIconMenu/自定义托盘图标(&C)... actCustomizeTrayIcon #22",
        "TrayIconMenu/-",
        "TrayIconMenu/关于 Corvane(&A)... actAbout #39",
        "TrayIconMenu/-",
        "TrayIconMenu/保存所有页面并退出 actSaveExit",
        "TrayIconMenu/退出 actExit #28",
    };
    EXPECT_EQ(Flatten(tree.children.at(1)), tray);
}

TEST_F(MainBars, MainToolBarShowsFewCaptionsAndHasThreeDropDowns) {
    const Lines expected{
        "MainToolBar/Back actBack #1",
        "MainToolBar/Back/虚设 hidden",
        "MainToolBar/Forward actForward #2",
        "MainToolBar/Forward/虚设(&D)",
        "MainToolBar/停止 actStop #3 image-only",
        "MainToolBar/刷新 actRefresh #4 image-only",
        "MainToolBar/主页 actHome #5 image-only",
        "MainToolBar/-",
        "MainToolBar/搜索(&E) actSearchBand #6 image-only",
        "MainToolBar/收藏(&A) actFavoritesBand #7 image-only",
        "MainToolBar/历史(&I) actHistoryBand #8 image-only",
        "MainToolBar/-",
        "MainToolBar/全屏(&U) actFullScreen #9 image-only",
        "MainToolBar/打印(&P) actPrint #10 image-only",
        "MainToolBar/邮件 actMail #11",
        "MainToolBar/邮件/新邮件(&N)... actNewMessage",
        "MainToolBar/邮件/发送链接(&S)... actSendLink",
        "MainToolBar/邮件/-",
        "MainToolBar/邮件/阅读邮件(&R)... actReadMail",
        "MainToolBar/邮件 actWebMail #11 hidden",
        "MainToolBar/-",
        "MainToolBar/过滤 actStopPopup #13",
        "MainToolBar/-",
        "MainToolBar/前一页(&V) actPreviousPage #14 image-only",
        "MainToolBar/后一页(&X) actNextPage #15 image-only",
        "MainToolBar/-",
        "MainToolBar/新建 actNew #0",
        "MainToolBar/新建/空白页(&B) actNewBlank",
        "MainToolBar/新建/当前页(&C) actNewCurrent",
        "MainToolBar/新建/主页(&H) actNewHomepage",
        "MainToolBar/新建/-",
        "MainToolBar/新建/来自剪贴板(&F) actNewClipboard",
    };
    EXPECT_EQ(Flatten(MainToolBarTree(commands)), expected);
}

TEST_F(MainBars, SmallBarsEntryByEntry) {
    const struct {
        BarEntry tree;
        Lines lines;
    } cases[] = {
        {GoBarTree(commands),
         {"GoBar/Go actGO #16", "GoBar/Go/打开 actOpenAddress",
          "GoBar/Go/在新窗口打开(&O) actOpenAddressNew", "GoBar/Go/-",
          "GoBar/Go/来自剪贴板(&F) actGoFromClipboard"}},
        // The last separator stands on the bar itself, after the sub-menu.
        {LinksMenuTree(commands),
         {"LinksMenu/链接 actLinks #17", "LinksMenu/链接/添加链接... actAddLink #30",
          "LinksMenu/链接/整理链接... actOrganizeLinks #31", "LinksMenu/链接/-",
          "LinksMenu/链接/打开此文件夹的所有链接 actOpenAllLinks", "LinksMenu/链接/-",
          "LinksMenu/-"}},
        {ToolBarSearchTree(commands),
         {"ToolBarSearch/重置 actResetSearch #45",
          "ToolBarSearch/清除关键字 actClearKeywords #24"}},
        {ToolBarFavoritesTree(commands),
         {"ToolBarFavorites/添加... actAddFavorites #18",
          "ToolBarFavorites/整理... actOrganizeFavorites #19"}},
        {ToolBarHistoryTree(commands),
         {"ToolBarHistory/搜索 actHSearch #46", "ToolBarHistory/清除历史 actClearHistory #24"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Flatten(c.tree), c.lines);
}

// Faults any bar may carry: a misspelled command name (the table answers none), a
// shortcut text Qt cannot read back, a stray reference in a caption.
TEST_F(MainBars, EveryBarNamesKnownCommandsReadableKeysAndCleanCaptions) {
    const QStringList placeholders{"虚设", "虚设(&D)", "(空)"};
    for (const BarEntry& tree :
         {MainMenuTree(commands), MainToolBarTree(commands), GoBarTree(commands),
          LinksMenuTree(commands), PopupMenusTree(commands), ToolBarSearchTree(commands),
          ToolBarFavoritesTree(commands), ToolBarHistoryTree(commands)}) {
        ForEachEntry(tree, [&](const BarEntry& e) {
            const std::string where = (tree.caption + ": " + e.shownCaption()).toStdString();
            if (e.isSeparator()) {
                EXPECT_TRUE(e.action == nullptr && e.children.empty()) << where;
                return;
            }
            EXPECT_FALSE(e.shownCaption().isEmpty()) << where;
            if (e.children.empty() && !placeholders.contains(e.caption)) {
                EXPECT_NE(e.action, nullptr) << where;
            }
            if (!e.shortcutText.isEmpty()) {
                const QKeySequence key =
                    QKeySequence::fromString(e.shortcutText, QKeySequence::PortableText);
                EXPECT_EQ(key.count(), 1) << where;
                EXPECT_EQ(key.toString(QKeySequence::PortableText), e.shortcutText) << where;
            }
            EXPECT_FALSE(e.caption.contains("Part", Qt::CaseInsensitive)) << where;
        });
    }
}

} // namespace

#include "commands/MainBars.h"

#include "commands/Commands.h"

#include <utility>

namespace {

// Makes entries from command names, so that the trees below read like the bars.
class Builder {
public:
    explicit Builder(const Commands& c) : c_(c) {}

    BarEntry operator()(const char* name, const QString& caption = {}, int image = -1,
                        const QString& shortcut = {}) const {
        return Entry(c_[name], caption, image, shortcut);
    }

private:
    const Commands& c_;
};

BarEntry WithChildren(BarEntry e, std::vector<BarEntry> children) {
    e.children = std::move(children);
    return e;
}

BarEntry Hidden(BarEntry e) {
    e.visible = false;
    return e;
}

BarEntry ImageOnly(BarEntry e) {
    e.showCaption = false;
    return e;
}

// Shared by the File menu and the New button's drop-down.
std::vector<BarEntry> NewPageEntries(const Builder& e) {
    return {e("actNewBlank", "空白页(&B)"), e("actNewCurrent", "当前页(&C)"),
            e("actNewHomepage", "主页(&H)"), Separator(), e("actNewClipboard", "来自剪贴板(&F)")};
}

BarEntry FileMenu(const Builder& e) {
    return Group("文件(&F)", {
                                 Group("新建(&N)", NewPageEntries(e), 0),
                                 e("actOpen", "打开(&O)", -1, "Ctrl+O"),
                                 // Refilled from the recent pages when they change.
                                 WithChildren(e("actRecents"), {Entry(nullptr, "(空)")}),
                                 e("actSave", "保存(&S)", -1, "Ctrl+S"),
                                 Separator(),
                                 e("actClose", "关闭(&C)", -1, "Ctrl+F4"),
                                 e("actCloseAll", "全部关闭(&L)", -1, "Ctrl+Shift+F4"),
                                 e("actCloseExcept", "除当前页全部关闭(&E)"),
                                 e("actCloseChecked"),
                                 Separator(),
                                 e("actOffline", "脱机工作(&W)", 29),
                                 e("actProperties", "属性(&R)"),
                                 Separator(),
                                 e("actPageSetup", "页面设置(&A)"),
                                 e("actPrintPreview", "打印预览(&I)"),
                                 e("actPrintDlg", {}, 10, "Ctrl+P"),
                                 Separator(),
                                 e("actSendLink", "发送链接..."),
                                 Separator(),
                                 e("actSaveExit", "保存所有打开的页面并退出(&V)  "),
                                 e("actExit", "退出(&X)", 28),
                             });
}

BarEntry EditMenu(const Builder& e) {
    return Group("编辑(&E)", {
                                 e("actCopy", "复制(&C)", -1, "Ctrl+C"),
                                 e("actCut", "剪切(&U)", -1, "Ctrl+X"),
                                 e("actPaste", "粘贴(&P)", -1, "Ctrl+V"),
                                 Separator(),
                                 e("actSelectAll", "全选(&S)", -1, "Ctrl+A"),
                                 Separator(),
                                 e("actFind", "在此页查找(&F)...", -1, "Ctrl+F"),
                             });
}

BarEntry ViewMenu(const Builder& e) {
    return Group("查看(&V)", {
                                 e("actStandardButtons", "标准按钮(&S)"),
                                 e("actAddressBar", "地址栏(&A)"),
                                 e("actLinksBar", "链接(&L)"),
                                 e("actPageTabs", "窗口栏(&W)"),
                                 e("actStatusBar", "状态栏(&T)"),
                                 Separator(),
                                 e("actSearchBand", "搜索区(&R)", 6),
                                 e("actFavoritesBand", "收藏区(&V)", 7),
                                 e("actHistoryBand", "历史区(&H)", 8),
                                 Separator(),
                                 Group("文字大小(&X)",
                                       {
                                           e("actTSLargest", "最大(&L)"),
                                           e("actTSLarger", "较大(&A)"),
                                           e("actTSMedium", "中等(&M)"),
                                           e("actTSSmaller", "较小(&S)"),
                                           e("actTSSmallest", "最小(&E)"),
                                       }),
                                 Group("语言编码(&N)",
                                       {
                                           e("actLEnglish", "&English"),
                                           Separator(),
                                           e("actLCentralEuropean", "&Central European"),
                                           e("actLWesternEuropean", "&Western European"),
                                           Separator(),
                                           e("actLChineseSimplified", "简体中文(&H)"),
                                           e("actLChineseTraditional", "繁体中文(&I)"),
                                           Separator(),
                                           e("actLJapanese", "&Japanese"),
                                           e("actLKorean", "&Korean"),
                                           e("actLThai", "&Thai"),
                                           Separator(),
                                           e("actLArabic", "&Arabic"),
                                           e("actLBaltic", "&Baltic"),
                                           e("actLCyrillic", "C&yrillic"),
                                           e("actLGreek", "&Greek"),
                                           e("actLHebrew", "Heb&rew"),
                                           e("actLTurkish", "T&urkish"),
                                           e("actLVietnamese", "&Vietnamese"),
                                       }),
                                 Separator(),
                                 e("actSource", "源文件(&O)"),
                                 e("actFullScreen", "全屏(&F)", -1, "F11"),
                             });
}

BarEntry NavigateMenu(const Builder& e) {
    return Group("导航(&N)", {
                                 e("actBack", "后退", 1, "Ctrl+Left"),
                                 e("actForward", "前进", 2, "Ctrl+Right"),
                                 Separator(),
                                 e("actHome", "主页", 5, "Ctrl+Home"),
                                 Separator(),
                                 e("actStop", "停止", 3, "Esc"),
                                 e("actStopAll", "全部停止", -1, "Shift+Esc"),
                                 e("actRefresh", "刷新(&R)", 4, "F5"),
                                 e("actRefreshAll", "全部刷新(&E)", -1, "Shift+F5"),
                                 Separator(),
                                 e("actPreviousPage", "前一窗口(&P)", 14, "Ctrl+Up"),
                                 e("actNextPage", "后一窗口(&N)", 15, "Ctrl+Down"),
                             });
}

BarEntry FavoritesMenu(const Builder& e) {
    // The favorites themselves are appended after the separator.
    return Group("收藏夹(&A)", {
                                   e("actAddFavorites", "添加到收藏夹(&A)...", 18),
                                   e("actOrganizeFavorites", "整理收藏夹(&O)...", 19),
                                   e("actImportFavorites", "导入收藏夹(&I)"),
                                   e("actExportFavorites", "导出收藏夹(&E)"),
                                   Separator(),
                               });
}

BarEntry ToolsMenu(const Builder& e) {
    return Group("工具(&T)",
                 {
                     WithChildren(e("actMailMenu", "邮件", 11),
                                  {
                                      e("actNewMessage", "新邮件(&N)..."),
                                      e("actSendLink", "发送链接(&S)..."),
                                      Separator(),
                                      e("actReadMail", "阅读邮件(&R)"),
                                  }),
                     Hidden(e("actWebMail", {}, 11)),
                     WithChildren(e("actClearRecords", "清除记录(&C)", 24),
                                  {
                                      e("actClearTypedAddress", "清除键入地址(&C)"),
                                      e("actClearRecents", "清除最近的页面(&L)"),
                                      e("actClearACPW", "清除自动执行的口令(&E)"),
                                      e("actClearCookies", "清除Cookies(&A)"),
                                      e("actClearHistory", "清除访问网址的历史记录(&R)"),
                                      e("actClearTemp", "清楚Internet临时文件(&T)"),
                                  }),
                     Separator(),
                     e("actPopupForeground", "在前景打开弹出页面(&O)"),
                     e("actStopPopup", "过滤不必要的弹出页面(&B)", 13),
                     e("actAllowPictures", "允许图片(&L)", 12),
                     e("actAllowSounds", "允许声音(&S)", 40),
                     e("actAllowVideos", "允许视频(&W)", 42),
                     Separator(),
                     e("actCORVANEOptions", "&Corvane 选项...", 20),
                     e("actInternetOptions", "I&nternet 选项...", 41),
                 });
}

BarEntry WindowMenu(const Builder& e) {
    return Group("窗口(&W)", {
                                 e("actCascade", "阶梯排列(&C)"),
                                 e("actTileHorizontally", "纵向平铺(&T)"),
                                 e("actTileVertically", "垂直排列(&I)"),
                                 e("actArrangeIcons", "排列图标(&A)"),
                                 Separator(),
                                 e("actMaximizeAll", "全部最大化(&X)"),
                                 e("actRestoreAll", "全部还原(&R)"),
                                 e("actMinimizeAll", "全部最小化(&M)"),
                                 Separator(),
                                 e("actCloseAll", "全部关闭(&L)", -1, "Ctrl+Shift+F4"),
                                 e("actCloseExcept", "除了当前页全部关闭(&O)"),
                                 e("actCloseChecked", "关闭选中的(&S)..."),
                             });
}

BarEntry HelpMenu(const Builder& e) {
    return Group("帮助(&H)", {
                                 e("actHelp", "帮助(&H)", 43, "F1"),
                                 e("actTips", "最有用的提示(&M)..."),
                                 Separator(),
                                 e("actDonate", "为 Corvane 捐款(&D)"),
                                 Separator(),
                                 e("actCORVANEHOME", "&Corvane 主页"),
                                 e("actCheckNew", "检测新版本(&C)"),
                                 Separator(),
                                 e("actComments", "给作者提建议(&S)", 44),
                                 Separator(),
                                 e("actAbout", "关于...", 39),
                             });
}

BarEntry TabContextMenu(const Builder& e) {
    return Group("TabContextMenu", {
                                       Group("添加到(&)",
                                             {
                                                 e("actCAddFavorites", {}, 18),
                                                 e("actCAddLinks", {}, 30),
                                             }),
                                       Separator(),
                                       e("actCloseAll", "关闭全部(&L)", -1, "Ctrl+Shift+F4"),
                                       e("actCCloseExcept"),
                                       e("actCloseChecked", "关闭选中的(&S)..."),
                                       Separator(),
                                       e("actCDuplicate", "&副本"),
                                       e("actCRefresh", "刷新(&E)", 4),
                                       Separator(),
                                       e("actCRestore", "恢复(&R)", 35),
                                       e("actCMinimize", "最小化(&M)", 36),
                                       e("actCMaximize", "最大化(&A)", 37),
                                       Separator(),
                                       e("actCClose", "关闭(&C)", 38),
                                   });
}

BarEntry TrayIconMenu(const Builder& e) {
    return Group("TrayIconMenu", {
                                     e("actShowHide", "隐藏Corvane(&H) "),
                                     Separator(),
                                     e("actCloseAll", "全部关闭(&L)", -1, "Ctrl+Shift+F4"),
                                     e("actRefreshAll", "全部刷新(&R)", -1, "Shift+F5"),
                                     e("actOffline", "脱机工作(&W)", 29),
                                     Separator(),
                                     e("actStopPopup", "过滤不必要的弹出页(&B)", 13),
                                     e("actAllowPictures", "允许图片(&O)", 12),
                                     e("actAllowSounds", "允许声音(&S)", 40),
                                     e("actAllowVideos", "允许视频(&V)", 42),
                                     Separator(),
                                     e("actCORVANEOptions", "&Corvane 选项...", 20),
                                     e("actCustomizeTrayIcon", "自定义托盘图标(&C)...", 22),
                                     Separator(),
                                     e("actAbout", "关于 Corvane(&A)...", 39),
                                     Separator(),
                                     e("actSaveExit"),
                                     e("actExit", "退出", 28),
                                 });
}

} // namespace

BarEntry MainMenuTree(const Commands& c) {
    const Builder e(c);
    return Group("MainMenuBar", {FileMenu(e), EditMenu(e), ViewMenu(e), NavigateMenu(e),
                                 FavoritesMenu(e), ToolsMenu(e), WindowMenu(e), HelpMenu(e)});
}

BarEntry MainToolBarTree(const Commands& c) {
    const Builder e(c);
    return Group("MainToolBar",
                 {
                     // The page history fills the two drop-downs; it finds them by
                     // the entries' captions.
                     WithChildren(e("actBack", "Back", 1), {Hidden(Entry(nullptr, "虚设"))}),
                     WithChildren(e("actForward", "Forward", 2), {Entry(nullptr, "虚设(&D)")}),
                     ImageOnly(e("actStop", {}, 3)),
                     ImageOnly(e("actRefresh", {}, 4)),
                     ImageOnly(e("actHome", {}, 5)),
                     Separator(),
                     ImageOnly(e("actSearchBand", "搜索(&E)", 6)),
                     ImageOnly(e("actFavoritesBand", "收藏(&A)", 7)),
                     ImageOnly(e("actHistoryBand", "历史(&I)", 8)),
                     Separator(),
                     ImageOnly(e("actFullScreen", "全屏(&U)", 9)),
                     ImageOnly(e("actPrint", "打印(&P)", 10)),
                     WithChildren(e("actMail", {}, 11),
                                  {
                                      e("actNewMessage", "新邮件(&N)..."),
                                      e("actSendLink", "发送链接(&S)..."),
                                      Separator(),
                                      e("actReadMail", "阅读邮件(&R)..."),
                                  }),
                     Hidden(e("actWebMail", {}, 11)),
                     Separator(),
                     e("actStopPopup", {}, 13),
                     Separator(),
                     ImageOnly(e("actPreviousPage", "前一页(&V)", 14)),
                     ImageOnly(e("actNextPage", "后一页(&X)", 15)),
                     Separator(),
                     WithChildren(e("actNew", {}, 0), NewPageEntries(e)),
                 });
}

BarEntry GoBarTree(const Commands& c) {
    const Builder e(c);
    return Group("GoBar",
                 {WithChildren(e("actGO", "Go", 16), {
                                                         e("actOpenAddress"),
                                                         e("actOpenAddressNew", "在新窗口打开(&O)"),
                                                         Separator(),
                                                         e("actGoFromClipboard", "来自剪贴板(&F)"),
                                                     })});
}

BarEntry LinksMenuTree(const Commands& c) {
    const Builder e(c);
    // The links themselves are added to the sub-menu, which is renamed then.
    return Group("LinksMenu", {
                                  WithChildren(e("actLinks", {}, 17),
                                               {
                                                   e("actAddLink", {}, 30),
                                                   e("actOrganizeLinks", {}, 31),
                                                   Separator(),
                                                   e("actOpenAllLinks"),
                                                   Separator(),
                                               }),
                                  Separator(),
                              });
}

BarEntry PopupMenusTree(const Commands& c) {
    const Builder e(c);
    return Group("PopupMenus",
                 {
                     TabContextMenu(e),
                     TrayIconMenu(e),
                     Group("FavoContext", {e("actFavoOpen", "打开"), e("actFavoOpenNew")}),
                     Group("HistContext", {e("actHistOpen", "打开(&O)"), e("actHistOpenNew")}),
                 });
}

BarEntry ToolBarSearchTree(const Commands& c) {
    const Builder e(c);
    return Group("ToolBarSearch", {e("actResetSearch", {}, 45), e("actClearKeywords", {}, 24)});
}

BarEntry ToolBarFavoritesTree(const Commands& c) {
    const Builder e(c);
    return Group("ToolBarFavorites",
                 {e("actAddFavorites", "添加...", 18), e("actOrganizeFavorites", "整理...", 19)});
}

BarEntry ToolBarHistoryTree(const Commands& c) {
    const Builder e(c);
    return Group("ToolBarHistory", {e("actHSearch", {}, 46), e("actClearHistory", "清除历史", 24)});
}

#include "commands/Commands.h"

#include "ui/MainImages.h"

#include <QAction>
#include <QActionGroup>
#include <QFont>
#include <QKeySequence>

#include <cstring>
#include <map>

namespace {

enum Flag { NoFlags = 0, AutoCheck = 1, Checked = 2, Hidden = 4 };

struct Row {
    const char* name;
    const char* caption;
    const char* shortcut;
    int image;
    const char* hint;
    int flags;
    int group;
    int tag;
    UpdateRule rule;
};

// Every command, in declaration order.
const Row Table[] = {
    {"actNewCurrent", "当前页", "", -1, "", NoFlags, 0, -1, UpdateRule::U2},
    {"actNewBlank", "空白页", "", -1, "", NoFlags, 0, -1, UpdateRule::None},
    {"actNewHomepage", "主页", "", -1, "", NoFlags, 0, -1, UpdateRule::None},
    {"actNewClipboard", "来自剪贴板", "", -1, "", NoFlags, 0, -1, UpdateRule::U4},
    {"actOpen", "打开", "Ctrl+O", -1, "", NoFlags, 0, -1, UpdateRule::None},
    {"actSave", "保存", "Ctrl+S", -1, "", NoFlags, 0, -1, UpdateRule::U3},
    {"actClose", "关闭", "Ctrl+F4", -1, "", NoFlags, 0, -1, UpdateRule::U1},
    {"actCloseAll", "全部关闭", "Ctrl+Shift+F4", -1, "", NoFlags, 0, -1, UpdateRule::U1},
    {"actCloseExcept", "除当前页外全部关闭", "", -1, "", NoFlags, 0, -1, UpdateRule::U8},
    {"actOffline", "脱机工作", "", 29, "", NoFlags, 0, -1, UpdateRule::U15},
    {"actProperties", "属性", "", -1, "", NoFlags, 0, -1, UpdateRule::U3},
    {"actPageSetup", "页面设定", "", -1, "", NoFlags, 0, -1, UpdateRule::U3},
    {"actPrintPreview", "打印预览", "", -1, "", NoFlags, 0, -1, UpdateRule::U3},
    {"actPrint", "打印(&T)", "", 10, "打印", NoFlags, 0, -1, UpdateRule::U3},
    {"actSaveExit", "保存所有页面并退出", "", -1, "", NoFlags, 0, -1, UpdateRule::U1},
    {"actExit", "退出", "", 28, "", NoFlags, 0, -1, UpdateRule::None},
    {"actCopy", "复制", "Ctrl+C", -1, "", NoFlags, 0, -1, UpdateRule::U14},
    {"actCut", "剪切", "Ctrl+X", -1, "", NoFlags, 0, -1, UpdateRule::U14},
    {"actPaste", "粘贴", "Ctrl+V", -1, "", NoFlags, 0, -1, UpdateRule::U14},
    {"actSelectAll", "全部选中", "Ctrl+A", -1, "", NoFlags, 0, -1, UpdateRule::U14},
    {"actFind", "在此页查找", "Ctrl+F", -1, "", NoFlags, 0, -1, UpdateRule::U3},
    {"actStandardButtons", "标准按钮", "", -1, "", AutoCheck, 0, -1, UpdateRule::U18},
    {"actAddressBar", "地址栏", "", -1, "", AutoCheck, 0, -1, UpdateRule::U18},
    {"actLinksBar", "链接", "", -1, "", AutoCheck, 0, -1, UpdateRule::U18},
    {"actStatusBar", "状态栏", "", -1, "", AutoCheck, 0, -1, UpdateRule::U18},
    {"actPageTabs", "换页", "", -1, "", AutoCheck, 0, -1, UpdateRule::U18},
    {"actSource", "源文件", "", -1, "", NoFlags, 0, -1, UpdateRule::U3},
    {"actFullScreen", "全屏", "F11", 9, "全屏", AutoCheck, 0, -1, UpdateRule::None},
    {"actBack", "后退", "Ctrl+Left", 1, "后退", NoFlags, 0, -1, UpdateRule::U13},
    {"actForward", "前进", "Ctrl+Right", 2, "前进", NoFlags, 0, -1, UpdateRule::U13},
    {"actHome", "主页", "Ctrl+Home", 5, "主页", NoFlags, 0, -1, UpdateRule::None},
    {"actStop", "停止", "Esc", 3, "停止", NoFlags, 0, -1, UpdateRule::U1},
    {"actStopAll", "全部停止", "Shift+Esc", -1, "", NoFlags, 0, -1, UpdateRule::U1},
    {"actRefresh", "刷新", "F5", 4, "刷新", NoFlags, 0, -1, UpdateRule::U1},
    {"actRefreshAll", "全部刷新", "Shift+F5", -1, "", NoFlags, 0, -1, UpdateRule::U1},
    {"actPreviousPage", "前一窗口", "Ctrl+Up", 14, "前一窗口", NoFlags, 0, -1, UpdateRule::U8},
    {"actNextPage", "后一窗口", "Ctrl+Down", 15, "后一窗口", NoFlags, 0, -1, UpdateRule::U8},
    {"actSearchBand", "搜索区", "", 6, "搜索", NoFlags, 4, -1, UpdateRule::U16},
    {"actFavoritesBand", "收藏区", "", 7, "收藏", NoFlags, 4, -1, UpdateRule::U16},
    {"actHistoryBand", "历史区", "", 8, "历史", NoFlags, 4, -1, UpdateRule::U16},
    {"actAddFavorites", "添加到收藏夹...", "", 18, "", NoFlags, 0, -1, UpdateRule::U2},
    {"actOrganizeFavorites", "整理收藏夹...", "", 19, "", NoFlags, 0, -1, UpdateRule::None},
    {"actStopPopup", "过滤", "", 13, "过滤不必要的弹出页", AutoCheck, 0, -1, UpdateRule::U19},
    {"actAllowPictures", "允许图片", "", 12, "", AutoCheck, 0, -1, UpdateRule::None},
    {"actAllowVideos", "允许视频", "", 42, "", AutoCheck, 0, -1, UpdateRule::None},
    {"actAllowSounds", "允许声音", "", 40, "", AutoCheck, 0, -1, UpdateRule::None},
    {"actCORVANEOptions", "Corvane 选项...", "", 20, "", NoFlags, 0, -1, UpdateRule::None},
    {"actInternetOptions", "Internet 选项...", "", 41, "", NoFlags, 0, -1, UpdateRule::None},
    {"actCascade", "阶梯排列", "", -1, "", NoFlags, 0, -1, UpdateRule::U1},
    {"actTileHorizontally", "纵向平铺", "", -1, "", NoFlags, 0, -1, UpdateRule::U1},
    {"actTileVertically", "垂直排列", "", -1, "", NoFlags, 0, -1, UpdateRule::U1},
    {"actArrangeIcons", "排列图标", "", -1, "", NoFlags, 0, -1, UpdateRule::U1},
    {"actMinimizeAll", "全部最小化", "", -1, "", NoFlags, 0, -1, UpdateRule::U1},
    {"actRestoreAll", "全部恢复", "", -1, "", NoFlags, 0, -1, UpdateRule::U1},
    {"actHelp", "帮助", "F1", 43, "", NoFlags, 0, -1, UpdateRule::None},
    {"actComments", "向作者提建议", "", 44, "", NoFlags, 0, -1, UpdateRule::None},
    {"actCORVANEHOME", "Corvane 主页", "", -1, "", NoFlags, 0, -1, UpdateRule::None},
    {"actCheckNew", "检测新版本", "", -1, "", NoFlags, 0, -1, UpdateRule::None},
    {"actAbout", "关于 Corvane...", "", 39, "", NoFlags, 0, -1, UpdateRule::None},
    {"actNew", "新建", "Ctrl+N", 0, "新窗口", NoFlags, 0, -1, UpdateRule::U19},
    {"actMail", "邮件", "", 11, "邮件", NoFlags, 0, -1, UpdateRule::U19},
    {"actReadMail", "阅读邮件", "", -1, "", NoFlags, 0, -1, UpdateRule::None},
    {"actNewMessage", "新邮件", "", -1, "", NoFlags, 0, -1, UpdateRule::None},
    {"actSendLink", "发送链接", "", -1, "", NoFlags, 0, -1, UpdateRule::U2},
    {"actGO", "Go", "", 16, "Go", NoFlags, 0, -1, UpdateRule::U5},
    {"actImportFavorites", "导入收藏夹", "", -1, "", NoFlags, 0, -1, UpdateRule::None},
    {"actExportFavorites", "导出收藏夹", "", -1, "", NoFlags, 0, -1, UpdateRule::None},
    {"actRecents", "打开最近的", "", -1, "", NoFlags, 0, -1, UpdateRule::None},
    {"actAddLink", "添加链接...", "", 30, "", NoFlags, 0, -1, UpdateRule::U2},
    {"actOrganizeLinks", "整理链接...", "", 31, "", NoFlags, 0, -1, UpdateRule::None},
    {"actLinks", "链接", "", 17, "全部链接", NoFlags, 0, -1, UpdateRule::None},
    {"actOpenAllLinks", "打开此文件夹的所有链接", "", -1, "", NoFlags, 0, -1, UpdateRule::None},
    {"actCloseChecked", "关闭选中的...", "", -1, "", NoFlags, 0, -1, UpdateRule::U1},
    {"actCMaximize", "最大化", "", 37, "", NoFlags, 0, -1, UpdateRule::U10},
    {"actCMinimize", "最小化", "", 36, "", NoFlags, 0, -1, UpdateRule::U11},
    {"actCRestore", "恢复", "", 35, "", NoFlags, 0, -1, UpdateRule::U12},
    {"actCClose", "关闭", "", 38, "", NoFlags, 0, -1, UpdateRule::U7},
    {"actCRefresh", "刷新", "", 4, "", NoFlags, 0, -1, UpdateRule::U7},
    {"actCDuplicate", "副本", "", -1, "", NoFlags, 0, -1, UpdateRule::U7},
    {"actCCloseExcept", "关闭除此以外的全部窗口", "", -1, "", NoFlags, 0, -1, UpdateRule::U9},
    {"actCustomizeTrayIcon", "自定义托盘图标...", "", 22, "", NoFlags, 0, -1, UpdateRule::None},
    {"actMaximizeAll", "全部最大化", "", -1, "", NoFlags, 0, -1, UpdateRule::U1},
    {"actShowHide", "隐藏Corvane", "", -1, "", NoFlags, 0, -1, UpdateRule::None},
    {"actFavoOpen", "打开", "", -1, "", NoFlags, 0, -1, UpdateRule::None},
    {"actFavoOpenNew", "在新窗口打开", "", -1, "", NoFlags, 0, -1, UpdateRule::None},
    {"actHistOpen", "打开", "", -1, "", NoFlags, 0, -1, UpdateRule::None},
    {"actHistOpenNew", "在新窗口打开", "", -1, "", NoFlags, 0, -1, UpdateRule::None},
    {"actClearRecords", "清除记录", "", 24, "", NoFlags, 0, -1, UpdateRule::None},
    {"actClearTypedAddress", "清除键入地址", "", -1, "", NoFlags, 0, -1, UpdateRule::None},
    {"actClearRecents", "清除最近的页面", "", -1, "", NoFlags, 0, -1, UpdateRule::None},
    {"actClearACPW", "清除自动完成的口令", "", -1, "", NoFlags, 0, -1, UpdateRule::None},
    {"actClearCookies", "清除Cookies", "", -1, "", NoFlags, 0, -1, UpdateRule::None},
    {"actClearHistory", "清除访问网站的历史记录", "", 24, "", NoFlags, 0, -1, UpdateRule::None},
    {"actClearTemp", "清除Internet临时文件", "", -1, "", NoFlags, 0, -1, UpdateRule::None},
    {"actMailMenu", "邮件", "", 11, "", NoFlags, 0, -1, UpdateRule::None},
    {"actWebMail", "邮件", "", 11, "邮件", Hidden, 0, -1, UpdateRule::U19},
    {"actPopupForeground", "在前景打开弹出页面", "", -1, "", AutoCheck, 0, -1, UpdateRule::None},
    {"actPrintDlg", "打印", "Ctrl+P", 10, "", NoFlags, 0, -1, UpdateRule::U3},
    {"actTSLargest", "最大", "", -1, "", AutoCheck, 5, 4, UpdateRule::U17},
    {"actTSLarger", "较大", "", -1, "", AutoCheck, 5, 3, UpdateRule::U17},
    {"actTSMedium", "中等", "", -1, "", AutoCheck | Checked, 5, 2, UpdateRule::U17},
    {"actTSSmaller", "较小", "", -1, "", AutoCheck, 5, 1, UpdateRule::U17},
    {"actTSSmallest", "最小", "", -1, "", AutoCheck, 5, 0, UpdateRule::U17},
    {"actLEnglish", "English", "", -1, "", NoFlags, 0, 1, UpdateRule::U3},
    {"actLWesternEuropean", "Western European", "", -1, "", NoFlags, 0, 2, UpdateRule::U3},
    {"actLCentralEuropean", "Central European", "", -1, "", NoFlags, 0, 3, UpdateRule::U3},
    {"actLChineseSimplified", "简体中文", "", -1, "", NoFlags, 0, 4, UpdateRule::U3},
    {"actLChineseTraditional", "繁体中文", "", -1, "", NoFlags, 0, 5, UpdateRule::U3},
    {"actLKorean", "Korean", "", -1, "", NoFlags, 0, 6, UpdateRule::U3},
    {"actLThai", "Thai", "", -1, "", NoFlags, 0, 7, UpdateRule::U3},
    {"actLJapanese", "Japanese", "", -1, "", NoFlags, 0, 8, UpdateRule::U3},
    {"actLArabic", "Arabic", "", -1, "", NoFlags, 0, 9, UpdateRule::U3},
    {"actLBaltic", "Baltic", "", -1, "", NoFlags, 0, 10, UpdateRule::U3},
    {"actLCyrillic", "Cyrillic", "", -1, "", NoFlags, 0, 11, UpdateRule::U3},
    {"actLGreek", "Greek", "", -1, "", NoFlags, 0, 12, UpdateRule::U3},
    {"actLHebrew", "Hebrew", "", -1, "", NoFlags, 0, 13, UpdateRule::U3},
    {"actLTurkish", "Turkish", "", -1, "", NoFlags, 0, 14, UpdateRule::U3},
    {"actLVietnamese", "Vietnamese", "", -1, "", NoFlags, 0, 15, UpdateRule::U3},
    {"actOpenAddressNew", "在新窗口打开", "", -1, "", NoFlags, 0, -1, UpdateRule::U5},
    {"actGoFromClipboard", "来自剪贴板", "", -1, "", NoFlags, 0, -1, UpdateRule::U4},
    {"actOpenAddress", "打开", "", -1, "", NoFlags, 0, -1, UpdateRule::U5},
    {"actResetSearch", "重置", "", 45, "", NoFlags, 0, -1, UpdateRule::None},
    {"actClearKeywords", "清除关键字", "", 24, "", NoFlags, 0, -1, UpdateRule::None},
    {"actHSearch", "搜索", "", 46, "", AutoCheck, 0, -1, UpdateRule::None},
    {"actCAddFavorites", "添加到收藏夹...", "", 18, "", NoFlags, 0, -1, UpdateRule::U6},
    {"actCAddLinks", "添加到链接...", "", 30, "", NoFlags, 0, -1, UpdateRule::U6},
    {"actDonate", "为 Corvane 捐款", "", -1, "", NoFlags, 0, -1, UpdateRule::None},
    {"actTips", "最有用的提示", "", -1, "", NoFlags, 0, -1, UpdateRule::None},
};

const char* const RuleProperty = "corvaneRule";
const char* const ShortcutProperty = "corvaneShortcut";

} // namespace

Commands::Commands(QObject* parent) : QObject(parent) {
    std::map<int, QActionGroup*> groups;
    actions_.reserve(std::size(Table));
    for (const Row& row : Table) {
        auto* action = new QAction(QString::fromUtf8(row.caption), this);
        action->setObjectName(QString::fromLatin1(row.name));
        action->setToolTip(QString::fromUtf8(row.hint));
        action->setStatusTip(QString::fromUtf8(row.hint));
        action->setProperty(RuleProperty, int(row.rule));
        // The zoom level or encoding number the handler reads.
        action->setData(row.tag);
        // Shown beside the caption and matched by the main window against keys that
        // reach it unhandled; never a Qt shortcut, which would take keys from the
        // focused control first.
        action->setProperty(ShortcutProperty,
                            QKeySequence::fromString(QString::fromLatin1(row.shortcut)));
        if (row.image >= 0)
            action->setIcon(MainIcon(row.image));
        // Commands in a group, and those whose rule sets a check mark, show one too.
        const bool checkMark = (row.flags & AutoCheck) || row.group != 0 ||
                               row.rule == UpdateRule::U15 || row.rule == UpdateRule::U16 ||
                               row.rule == UpdateRule::U18;
        action->setCheckable(checkMark);
        action->setChecked(row.flags & Checked);
        action->setVisible(!(row.flags & Hidden));
        if (row.group != 0) {
            QActionGroup*& group = groups[row.group];
            if (!group)
                group = new QActionGroup(this);
            group->addAction(action);
        }
        actions_.push_back(action);
    }
}

QAction* Commands::operator[](const char* name) const {
    for (std::size_t i = 0; i < std::size(Table); ++i)
        if (std::strcmp(Table[i].name, name) == 0)
            return actions_[i];
    Q_ASSERT_X(false, "Commands", name);
    return nullptr;
}

UpdateRule Commands::ruleOf(const QAction* action) {
    return UpdateRule(action->property(RuleProperty).toInt());
}

QKeySequence Commands::shortcutOf(const QAction* action) {
    return action->property(ShortcutProperty).value<QKeySequence>();
}

QAction* Commands::findByShortcut(const QKeySequence& keys) const {
    for (QAction* action : actions_)
        if (!keys.isEmpty() && shortcutOf(action) == keys)
            return action;
    return nullptr;
}

void SetDefault(QAction* action, bool isDefault) {
    QFont font = action->font();
    font.setBold(isDefault);
    action->setFont(font);
}

bool IsDefault(const QAction* action) {
    return action->font().bold();
}

#include "app/TfrmCorvaneMain.h"

#include "app/CommandLineArgument.h"
#include "app/CorvaneApplication.h"
#include "app/SettingsStore.h"
#include "commands/ActionManager.h"
#include "commands/Commands.h"
#include "commands/MainBars.h"
#include "commands/WindowLayout.h"
#include "pages/PageList.h"
#include "pages/StatusBar.h"
#include "pages/TTabButton.h"
#include "pages/TabStrip.h"
#include "pages/TfrmPage.h"
#include "platform/Ansi.h"
#include "platform/ApplicationTitle.h"
#include "platform/MessageBoxes.h"
#include "platform/ProgramError.h"
#include "ui/TfrmAbout.h"

#include <QAction>
#include <QComboBox>
#include <QCursor>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QToolTip>
#include <QVBoxLayout>

#include <algorithm>

TfrmCorvaneMain::TfrmCorvaneMain(const SettingsStore& settings, BrowserFactory makeBrowser,
                                 QString argument, TfrmAbout* splash)
    : settings_(settings), argument_(std::move(argument)), splash_(splash) {
    setObjectName(QStringLiteral("frmCorvaneMain"));
    setWindowTitle(ApplicationTitle());

    auto* central = new QWidget;
    // The window may be made smaller than its bars, which then are cut off.
    central->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);

    commands = new Commands(this);
    amMain = new ActionManager(this);

    pnlTop = new QWidget;
    pnlTop->setObjectName(QStringLiteral("pnlTop"));
    pnlTop->setFocusPolicy(Qt::StrongFocus);
    auto* top = new QVBoxLayout(pnlTop);
    top->setContentsMargins(0, 2, 0, 0);
    top->setSpacing(1);
    // The bars stand in this order whichever of them show: menu, buttons, address, links.
    MainMenuBar = new QMenuBar;
    MainMenuBar->setObjectName(QStringLiteral("MainMenuBar"));
    top->addWidget(MainMenuBar);

    pnlButtons = new QWidget;
    pnlButtons->setObjectName(QStringLiteral("pnlButtons"));
    MainToolBar = new QToolBar(QStringLiteral("MainToolBar"));
    MainToolBar->setObjectName(QStringLiteral("MainToolBar"));
    MainToolBar->setIconSize(QSize(16, 16));
    (new QHBoxLayout(pnlButtons))->addWidget(MainToolBar);
    pnlButtons->layout()->setContentsMargins(0, 0, 0, 0);
    top->addWidget(pnlButtons);

    bpAddress = new AddressBar(*this, *commands);
    cbAddress = bpAddress->cbAddress();
    GoBar = new QToolBar(QStringLiteral("GoBar"));
    GoBar->setObjectName(QStringLiteral("GoBar"));
    GoBar->setIconSize(QSize(16, 16));
    bpAddress->addGoBar(GoBar);
    top->addWidget(bpAddress);

    pnlLinksBar = new QWidget;
    pnlLinksBar->setObjectName(QStringLiteral("pnlLinksBar"));
    LinksMenu = new QMenuBar;
    LinksMenu->setObjectName(QStringLiteral("LinksMenu"));
    (new QHBoxLayout(pnlLinksBar))->addWidget(LinksMenu);
    pnlLinksBar->layout()->setContentsMargins(0, 0, 0, 0);
    top->addWidget(pnlLinksBar);
    column->addWidget(pnlTop);

    pageArea = new QMdiArea;
    pageArea->setObjectName(QStringLiteral("pageArea"));
    pageArea->setBackground(QColor(0x80, 0x80, 0x80));
    pageArea->viewport()->installEventFilter(this);
    column->addWidget(pageArea, 1);

    pnlBottom = new QWidget;
    pnlBottom->setObjectName(QStringLiteral("pnlBottom"));
    auto* bottom = new QVBoxLayout(pnlBottom);
    bottom->setContentsMargins(0, 0, 0, 0);
    bottom->setSpacing(0);
    bpTabs = new TabStrip;
    bpStatus = new StatusBar;
    bottom->addWidget(bpTabs);
    bottom->addWidget(bpStatus);
    column->addWidget(pnlBottom);
    setCentralWidget(central);
    pageList = std::make_unique<PageList>(*this, *pageArea, *bpTabs, std::move(makeBrowser));

    PopupMenus = new QToolBar(this);
    PopupMenus->setObjectName(QStringLiteral("PopupMenus"));
    PopupMenus->hide();

    createBars();
    connectCommands();
    updateRules = new UpdateRules(*commands, *this, this);
    AppEvents = new MessageHook(*this, this);
    connect(&AppEvents->uTimer, &QTimer::timeout, this, &TfrmCorvaneMain::ResetUserAction);

    createSystemButtons();
    windowLayout = new WindowLayout({this, MainMenuBar, pnlButtons, bpAddress, pnlLinksBar,
                                     pnlBottom, bpTabs, bpStatus, pnlSystem},
                                    settings_, *commands, *this, this);

    connect(bpTabs, &TabStrip::tabRightClicked, this, &TfrmCorvaneMain::TabRightClick);

    // The start-up work runs once the window is shown and the event loop runs.
    QTimer::singleShot(0, this, [this] {
        thdInitUIExecute();
        CorvaneApplication::ReportingErrors([this] { thdInitUITerminate(); });
    });
}

TfrmCorvaneMain::~TfrmCorvaneMain() {
    // Pages go before the parts they report to.
    pageList.reset();
}

void TfrmCorvaneMain::createBars() {
    const std::tuple<const char*, QWidget*, BarEntry> bars[] = {
        {"MainMenuBar", MainMenuBar, MainMenuTree(*commands)},
        {"MainToolBar", MainToolBar, MainToolBarTree(*commands)},
        {"GoBar", GoBar, GoBarTree(*commands)},
        {"LinksMenu", LinksMenu, LinksMenuTree(*commands)},
        {"LinkFoldersBar", nullptr, BarEntry()},
        {"LinkButtonsBar", nullptr, BarEntry()},
        {"PopupMenus", PopupMenus, PopupMenusTree(*commands)},
        {"ToolBarSearch", nullptr, ToolBarSearchTree(*commands)},
        {"ToolBarFavorites", nullptr, ToolBarFavoritesTree(*commands)},
        {"ToolBarHistory", nullptr, ToolBarHistoryTree(*commands)},
    };
    for (const auto& [name, control, root] : bars)
        amMain->AddBar(QString::fromLatin1(name), control, root);
    ActionManager::BuildMenuBar(MainMenuBar, amMain->bars()[0].root);
    ActionManager::BuildToolBar(MainToolBar, amMain->bars()[1].root);
    ActionManager::BuildToolBar(GoBar, amMain->bars()[2].root);
    ActionManager::BuildMenuBar(LinksMenu, amMain->bars()[3].root);
}

void TfrmCorvaneMain::connectCommands() {
    const Commands& c = *commands;
    connect(c["actAbout"], &QAction::triggered, this, [this] { TfrmAbout::actAboutExecute(this); });
    connect(c["actStopPopup"], &QAction::triggered, this, [this](bool checked) {
        snapshot_.StopAutoPopup = checked;
        settings_.WriteFlag(Setting::StopAutoPopup, checked);
    });
    connect(c["actPopupForeground"], &QAction::triggered, this, [this](bool checked) {
        snapshot_.PopupForeground = checked;
        settings_.WriteFlag(Setting::PopupForeground, checked);
    });
    connect(c["actPreviousPage"], &QAction::triggered, pageList.get(),
            &PageList::actPreviousPageExecute);
    connect(c["actNextPage"], &QAction::triggered, pageList.get(), &PageList::actNextPageExecute);
    connectPageCommands();

    // The tab menu's commands act on the page whose tab opened it.
    auto onMenuPage = [this](QAction* command, auto&& run) {
        connect(command, &QAction::triggered, this, [this, run] {
            if (TfrmPage* page = pageList->ContextPage)
                run(page);
        });
    };
    onMenuPage(c["actCDuplicate"],
               [this](TfrmPage* page) { NewPage(false, true)->NavigatePage(page->Address); });
    onMenuPage(c["actCRefresh"], [](TfrmPage* page) { page->WB().Refresh(); });
    onMenuPage(c["actCRestore"],
               [](TfrmPage* page) { page->PostSysCommand(TfrmPage::SysCommand::Restore); });
    onMenuPage(c["actCMinimize"],
               [](TfrmPage* page) { page->PostSysCommand(TfrmPage::SysCommand::Minimize); });
    onMenuPage(c["actCMaximize"],
               [](TfrmPage* page) { page->PostSysCommand(TfrmPage::SysCommand::Maximize); });
    onMenuPage(c["actCClose"], [](TfrmPage* page) { page->PostClose(); });
}

void TfrmCorvaneMain::createSystemButtons() {
    pnlSystem = new QWidget(pnlTop);
    pnlSystem->setObjectName(QStringLiteral("pnlSystem"));
    pnlSystem->setFixedSize(61, 19);
    struct Button {
        const char* name;
        int left;
        QStyle::StandardPixmap icon;
        const char* hint;
        TfrmPage::SysCommand command;
    };
    const Button buttons[] = {
        {"fsbMinimize", 0, QStyle::SP_TitleBarMinButton, "最小化", TfrmPage::SysCommand::Minimize},
        {"fsbRestore", 20, QStyle::SP_TitleBarNormalButton, "还原", TfrmPage::SysCommand::Restore},
        {"fsbClose", 42, QStyle::SP_TitleBarCloseButton, "关闭", TfrmPage::SysCommand::Close},
    };
    for (const Button& b : buttons) {
        auto* button = new QToolButton(pnlSystem);
        button->setObjectName(QString::fromLatin1(b.name));
        button->setGeometry(b.left, 0, 19, 19);
        button->setIcon(style()->standardIcon(b.icon));
        button->setToolTip(QString::fromUtf8(b.hint));
        button->setAutoRaise(true);
        connect(button, &QToolButton::clicked, this, [this, command = b.command] {
            if (TfrmPage* page = pageList->TopMaximizedPage())
                page->PostSysCommand(command);
        });
    }
    pnlSystem->hide();
}

void TfrmCorvaneMain::connectPageCommands() {
    const Commands& c = *commands;
    // Each checks for a page itself: the keyboard runs them whatever their state.
    auto onPage = [this](QAction* command, auto&& run) {
        connect(command, &QAction::triggered, this, [this, run] {
            if (TfrmPage* page = Page(0))
                run(page);
        });
    };
    onPage(c["actBack"], [this](TfrmPage* page) {
        if ((*commands)["actBack"]->isEnabled())
            page->WB().GoBack();
    });
    onPage(c["actForward"], [this](TfrmPage* page) {
        if ((*commands)["actForward"]->isEnabled())
            page->WB().GoForward();
    });
    onPage(c["actStop"], [](TfrmPage* page) {
        if (!page->WB().LocationURL().isEmpty())
            page->WB().Stop();
    });
    onPage(c["actRefresh"], [](TfrmPage* page) {
        if (!page->WB().LocationURL().isEmpty())
            page->WB().Refresh();
    });
    onPage(c["actClose"], [](TfrmPage* page) { page->PostClose(); });
    connect(c["actHome"], &QAction::triggered, this, [this] {
        TfrmPage* page = Page(0);
        (page ? page : NewPage(false, true))->WB().GoHome();
    });
    // Every page, from the last in the child-window order to the first.
    connect(c["actStopAll"], &QAction::triggered, this, [this] {
        for (auto it = pageList->pages().rbegin(); it != pageList->pages().rend(); ++it)
            (*it)->WB().Stop();
    });
    connect(c["actRefreshAll"], &QAction::triggered, this, [this] {
        for (auto it = pageList->pages().rbegin(); it != pageList->pages().rend(); ++it)
            if (!(*it)->WB().LocationURL().isEmpty())
                (*it)->WB().Refresh();
    });
    // The plain New command opens what the settings made the default.
    connect(c["actNew"], &QAction::triggered, this, [this] {
        const Commands& c = *commands;
        TfrmPage* page = Page(0);
        if (IsDefault(c["actNewCurrent"]) && page && !page->WB().LocationURL().isEmpty())
            c["actNewCurrent"]->trigger();
        else if (IsDefault(c["actNewHomepage"]))
            c["actNewHomepage"]->trigger();
        else
            c["actNewBlank"]->trigger();
    });
}

bool TfrmCorvaneMain::AddressBoxHasText() const {
    return !cbAddress->currentText().isEmpty();
}

bool TfrmCorvaneMain::IsChecked(const QAction* command) const {
    return Commands::ruleOf(command) == UpdateRule::U18 && windowLayout->IsBarShown(command);
}

void TfrmCorvaneMain::StripToolBarAccelerators() {
    amMain->StripToolBarAccelerators(MainToolBar);
}

void TfrmCorvaneMain::keyPressEvent(QKeyEvent* event) {
    if (QAction* command = commands->findByShortcut(QKeySequence(event->keyCombination()))) {
        updateRules->Execute(command);
        event->accept();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

void TfrmCorvaneMain::FormCreate() {
    // A stored size that is no whole number is reported, and its default used.
    auto geometry = [this](Setting key) {
        QString invalid;
        const int value = settings_.ReadInteger(key, &invalid);
        // A huge value is shown cut, so the box stays readable.
        if (!invalid.isNull())
            MessageBoxes::current().reportError(
                QStringLiteral("'%1' is not a valid integer value")
                    .arg(invalid.size() > 64 ? invalid.left(64) + QStringLiteral("...") : invalid));
        return value;
    };
    const int left = geometry(Setting::Left);
    const int top = geometry(Setting::Top);
    const int height = geometry(Setting::Height);
    const int width = geometry(Setting::Width);
    resize(width, height);
    move(left, top);
    IsMaximized = false;
    if (settings_.ReadFlag(Setting::Maximized)) {
        setWindowState(windowState() | Qt::WindowMaximized);
        IsMaximized = true;
    }

    QFont font = QToolTip::font();
    if (font.pointSize() > 11)
        font.setPointSize(8);
    font.setBold(false);
    font.setItalic(false);
    font.setUnderline(false);
    font.setStrikeOut(false);
    setFont(font);
    QPalette palette = this->palette();
    palette.setColor(QPalette::WindowText, Qt::black);
    setPalette(palette);

    UserClicked = ContextMenuShown = ClosingAllFlag = false;
    snapshot_.EnableTrayIcon = settings_.ReadFlag(Setting::EnableTrayIcon);
    snapshot_.StopAutoPopup = settings_.ReadFlag(Setting::StopAutoPopup);
    (*commands)["actStopPopup"]->setChecked(snapshot_.StopAutoPopup);

    windowLayout->ShowBars();

    for (const char* name : {"actShowHide", "actOpenAddress", "actReadMail"})
        SetDefault((*commands)[name], true);
}

void TfrmCorvaneMain::thdInitUIExecute() {
    try {
        SetSecurityIcon(SecureLock::NoPage);
        cbAddress->setEditText(QString());
    } catch (const ProgramError& error) {
        MessageBoxes::current().reportError(
            QStringLiteral("Thread thdInitUI raised exception class ProgramError with message "
                           "\"%1\".")
                .arg(error.message()));
    }
}

void TfrmCorvaneMain::thdInitUITerminate() {
    cbAddress->update();
    ApplySettings();
    if (splash_) {
        splash_->deleteLater();
        splash_ = nullptr;
    }
    OpenAddressOrShortcut(argument_);
    if (PageCount() == 0 && snapshot_.StartsWithHomePage)
        NewPage(false, true)->WB().GoHome();
    settings_.WriteFlag(Setting::ProperlyClosed, false);
}

void TfrmCorvaneMain::ApplySettings() {
    SettingsSnapshot& s = snapshot_;
    s.StartsWithHomePage = settings_.ReadFlag(Setting::StartsWithHomePage);
    s.StopAutoPopup = settings_.ReadFlag(Setting::StopAutoPopup);
    s.DefaultNewPage = settings_.ReadInteger(Setting::DefaultNewPage);
    s.ActionWhenExit = settings_.ReadInteger(Setting::ActionWhenExit);
    s.NewFavorite = settings_.ReadFlag(Setting::NewFavorite);
    s.NewHistory = settings_.ReadFlag(Setting::NewHistory);
    s.NewAddress = settings_.ReadFlag(Setting::NewAddress);
    s.PopupForeground = settings_.ReadFlag(Setting::PopupForeground);
    s.MClickClose = settings_.ReadFlag(Setting::MClickClose);
    s.LDbClickClose = settings_.ReadFlag(Setting::LDbClickClose);
    s.EnableRecentPages = settings_.ReadFlag(Setting::EnableRecentPages);

    // The settings that change what pages show; a change reloads every page.
    const std::pair<Setting, bool SettingsSnapshot::*> content[] = {
        {Setting::WebPageAutoComplete, &SettingsSnapshot::WebPageAutoComplete},
        {Setting::ShowPictures, &SettingsSnapshot::ShowPictures},
        {Setting::PlayVideos, &SettingsSnapshot::PlayVideos},
        {Setting::PlaySounds, &SettingsSnapshot::PlaySounds},
        {Setting::EnableActiveX, &SettingsSnapshot::EnableActiveX},
        {Setting::EnableScripts, &SettingsSnapshot::EnableScripts},
        {Setting::EnableJavaApplets, &SettingsSnapshot::EnableJavaApplets},
    };
    const bool contentChanged = std::any_of(std::begin(content), std::end(content), [&](auto& c) {
        return settings_.ReadFlag(c.first) != s.*c.second;
    });
    for (const auto& [key, field] : content)
        s.*field = settings_.ReadFlag(key);
    s.EnableTrayIcon = settings_.ReadFlag(Setting::EnableTrayIcon);
    s.MinimizeToTray = settings_.ReadFlag(Setting::MinimizeToTray);
    s.CloseToTray = settings_.ReadFlag(Setting::CloseToTray);
    s.ProgramEMailClient = settings_.ReadFlag(Setting::ProgramEMailClient);
    s.EMailClient = settings_.ReadSetting(Setting::EMailClient);
    s.AlwaysClearWhenExit = settings_.ReadFlag(Setting::AlwaysClearWhenExit);
    s.ClearAddress = settings_.ReadFlag(Setting::ClearAddress);
    s.ClearRecent = settings_.ReadFlag(Setting::ClearRecent);
    s.ClearPasswords = settings_.ReadFlag(Setting::ClearPasswords);
    s.ClearCoockies = settings_.ReadFlag(Setting::ClearCoockies);
    s.ClearHistory = settings_.ReadFlag(Setting::ClearHistory);
    s.ClearTemp = settings_.ReadFlag(Setting::ClearTemp);
    s.OpenMax = settings_.ReadFlag(Setting::OpenMax);

    const Commands& c = *commands;
    c["actStopPopup"]->setChecked(s.StopAutoPopup);
    c["actAllowPictures"]->setChecked(s.ShowPictures);
    c["actAllowVideos"]->setChecked(s.PlayVideos);
    c["actAllowSounds"]->setChecked(s.PlaySounds);

    DownloadOptions options;
    options.setFlag(DownloadControl::DLIMAGES, s.ShowPictures);
    options.setFlag(DownloadControl::VIDEOS, s.PlayVideos);
    options.setFlag(DownloadControl::BGSOUNDS, s.PlaySounds);
    if (!s.EnableActiveX)
        options |= DownloadControl::NO_RUNACTIVEXCTLS | DownloadControl::NO_DLACTIVEXCTLS |
                   DownloadControl::SILENT;
    options.setFlag(DownloadControl::NO_SCRIPTS, !s.EnableScripts);
    options.setFlag(DownloadControl::NO_JAVA, !s.EnableJavaApplets);
    pageDownloadOptions = options;

    for (TfrmPage* page : pageList->pages()) {
        WebBrowser& browser = page->WB();
        browser.setDownloadOptions(pageDownloadOptions);
        UserInterfaceOptions ui = browser.userInterfaceOptions();
        ui.setFlag(UserInterfaceOption::ENABLE_FORMS_AUTOCOMPLETE, s.WebPageAutoComplete);
        browser.setUserInterfaceOptions(ui);
        if (contentChanged)
            browser.Refresh();
    }

    c["actMail"]->setVisible(s.ProgramEMailClient);
    c["actMailMenu"]->setVisible(s.ProgramEMailClient);
    c["actWebMail"]->setVisible(!s.ProgramEMailClient);
    c["actPopupForeground"]->setChecked(s.PopupForeground);

    QAction* const newPageCommands[] = {c["actNewBlank"], c["actNewCurrent"], c["actNewHomepage"]};
    if (s.DefaultNewPage >= 0 && s.DefaultNewPage <= 2)
        for (int i = 0; i < 3; ++i)
            SetDefault(newPageCommands[i], i == s.DefaultNewPage);
}

void TfrmCorvaneMain::OpenAddressOrShortcut(const QString& text) {
    if (const std::optional<QString> address = AddressForArgument(text))
        NewPage(false, true)->NavigatePage(*address);
}

void TfrmCorvaneMain::WMCopyData(const QByteArray& message) {
    if (isMinimized())
        setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
    OpenAddressOrShortcut(Ansi::decode(message));
}

TfrmPage* TfrmCorvaneMain::Page(int index) const {
    return pageList->Page(index);
}

bool TfrmCorvaneMain::IsActivePage(const TfrmPage* page) const {
    return pageList->IsActivePage(page);
}

TfrmPage* TfrmCorvaneMain::NewPage(bool asPopup, bool foreground) {
    return pageList->NewPage(asPopup, foreground);
}

void TfrmCorvaneMain::PageClosing(TfrmPage* page) {
    pageList->PageClosing(page);
}

void TfrmCorvaneMain::ArrangeTabs() {
    bpTabs->ArrangeTabs();
}

void TfrmCorvaneMain::ShowCaption(const QString& pageCaption) {
    setWindowTitle(pageCaption.isNull() ? ApplicationTitle()
                                        : pageCaption + QStringLiteral(" - ") + ApplicationTitle());
}

void TfrmCorvaneMain::ShowAddress(const QString& address) {
    cbAddress->setEditText(address);
}

void TfrmCorvaneMain::ShowStatusText(const QString& text) {
    bpStatus->ShowStatusText(text);
}

void TfrmCorvaneMain::ShowProgress(int position, int maximum) {
    bpStatus->ShowProgress(position, maximum);
}

void TfrmCorvaneMain::SetSecurityIcon(int value) {
    bpStatus->SetSecurityIcon(value);
}

void TfrmCorvaneMain::FocusTopPanel() {
    pnlTop->setFocus();
}

void TfrmCorvaneMain::FocusAddressBox() {
    cbAddress->setFocus();
}

void TfrmCorvaneMain::ShowSystemButtons() {
    pnlSystem->show();
}

void TfrmCorvaneMain::UpdateSystemButtons() {
    if (pnlSystem->isHidden())
        return;
    pnlSystem->setVisible(pageList->TopMaximizedPage() != nullptr);
}

void TfrmCorvaneMain::ResetUserAction() {
    AppEvents->uTimer.stop();
    UserClicked = ContextMenuShown = false;
}

void TfrmCorvaneMain::RunHandler(const char* command) {
    QAction* action = (*commands)[command];
    emit action->triggered(action->isChecked());
}

void TfrmCorvaneMain::Execute(const char* command) {
    updateRules->Execute((*commands)[command]);
}

void TfrmCorvaneMain::SetUserClicked() {
    UserClicked = true;
    AppEvents->uTimer.start();
}

void TfrmCorvaneMain::ResetHotButtons() {
    // A button the mouse left through another window keeps no highlight.
    const QPoint cursor = QCursor::pos();
    for (QToolBar* bar : {MainToolBar, GoBar})
        for (QToolButton* button : bar->findChildren<QToolButton*>())
            if (button->underMouse() && !button->rect().contains(button->mapFromGlobal(cursor))) {
                QEvent leave(QEvent::Leave);
                QCoreApplication::sendEvent(button, &leave);
            }
}

void TfrmCorvaneMain::CountBlockedPopup() {
    bpStatus->CountBlockedPopup();
}

QSize TfrmCorvaneMain::MaximizedPageSize() const {
    return pageArea->viewport()->size() - QSize(4, 4);
}

int TfrmCorvaneMain::TopPanelWidth() const {
    return pnlTop->width();
}

int TfrmCorvaneMain::PageAreaHeight() const {
    return pageArea->height();
}

void TfrmCorvaneMain::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    windowLayout->FormResize();
}

void TfrmCorvaneMain::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && !(*commands)["actFullScreen"]->isChecked())
        IsMaximized = isMaximized();
}

void TfrmCorvaneMain::FitMaximizedPages() {
    const QSize size = MaximizedPageSize();
    for (TfrmPage* page : pageList->pages())
        if (page->Maximized && !page->isMinimized())
            page->resize(size);
}

bool TfrmCorvaneMain::eventFilter(QObject* watched, QEvent* event) {
    // Maximized pages follow the page area, whichever bar made it change.
    if (watched == pageArea->viewport() && event->type() == QEvent::Resize)
        FitMaximizedPages();
    return QMainWindow::eventFilter(watched, event);
}

void TfrmCorvaneMain::TabRightClick(TTabButton* tab) {
    const QPoint at = QCursor::pos();
    const int bar = amMain->FindActionBarIndex(PopupMenus);
    if (bar < 0)
        return;
    BarEntry& popups = amMain->bars()[std::size_t(bar)].root;
    const int group = ActionManager::FindItemByCaption(popups, QStringLiteral("TabContextMenu"));
    if (group < 0)
        return;
    BarEntry& menu = popups.children[std::size_t(group)];
    pageList->TabRightClick(tab, [&] { ActionManager::PopupActionBar(bpTabs, menu, at); });
}

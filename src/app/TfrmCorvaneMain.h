#pragma once

#include "app/SettingsSnapshot.h"
#include "app/SettingsStore.h"
#include "commands/AddressBar.h"
#include "commands/MessageHook.h"
#include "commands/UpdateRules.h"
#include "commands/WindowLayout.h"
#include "pages/PageHost.h"
#include "pages/PageList.h"

#include <QMainWindow>

#include <functional>
#include <memory>
#include <vector>

class ActionManager;
class Commands;
class QAction;
class QComboBox;
class QMdiArea;
class QMenuBar;
class QToolBar;
class SettingsStore;
class StatusBar;
class TTabButton;
class TabStrip;
class TfrmAbout;
class TfrmPage;
class WebBrowser;

// The main window: the frame that holds every page window, the bars around them
// and the state several parts share. It composes the parts and answers the pages.
class TfrmCorvaneMain : public QMainWindow,
                        public PageHost,
                        public CommandContext,
                        public HookHost,
                        public AddressHost,
                        public LayoutHost {
    Q_OBJECT

public:
    using BrowserFactory = std::function<WebBrowser*()>;

    // The splash, when given, is released once the start-up work has run.
    TfrmCorvaneMain(const SettingsStore& settings, BrowserFactory makeBrowser, QString argument,
                    TfrmAbout* splash);
    ~TfrmCorvaneMain() override;

    // Restores geometry, fonts, flags and bars from the settings; runs before the window shows.
    void FormCreate();
    // Reads the settings snapshot again and applies it to the commands and every page.
    void ApplySettings();

    void OpenAddressOrShortcut(const QString& text);
    // A later start handed its argument over: come forward and open it.
    void WMCopyData(const QByteArray& message);

    // The tab menu, shown through the pop-up group that holds it.
    void TabRightClick(TTabButton* tab);

    DownloadOptions pageDownloadOptions;
    bool UserClicked = false;
    bool ContextMenuShown = false;
    bool ClosingAllFlag = false;
    bool IsMaximized = false;

    std::unique_ptr<PageList> pageList;
    Commands* commands;
    ActionManager* amMain;
    UpdateRules* updateRules;
    MessageHook* AppEvents;
    WindowLayout* windowLayout;

    QWidget* pnlTop;
    QMenuBar* MainMenuBar;
    QWidget* pnlButtons;
    QToolBar* MainToolBar;
    AddressBar* bpAddress;
    QComboBox* cbAddress;
    QToolBar* GoBar;
    QWidget* pnlLinksBar;
    QMenuBar* LinksMenu;
    QToolBar* PopupMenus;
    QWidget* pnlSystem;
    QMdiArea* pageArea;
    QWidget* pnlBottom;
    TabStrip* bpTabs;
    StatusBar* bpStatus;

    // PageHost
    SettingsSnapshot& Snapshot() override { return snapshot_; }
    const SettingsStore& Settings() const override { return settings_; }
    DownloadOptions PageDownloadOptions() const override { return pageDownloadOptions; }
    bool ClosingAll() const override { return ClosingAllFlag; }
    void SetClosingAll(bool closing) override { ClosingAllFlag = closing; }
    bool AddressTyping() const override { return bpAddress->AddressTyping(); }
    int PageCount() const override { return pageList->PageCount(); }
    TfrmPage* Page(int index) const override;
    bool IsActivePage(const TfrmPage* page) const override;
    TfrmPage* NewPage(bool asPopup, bool foreground) override;
    void PageClosing(TfrmPage* page) override;
    TabStrip& Tabs() override { return *bpTabs; }
    void ArrangeTabs() override;
    void ShowCaption(const QString& pageCaption) override;
    void ShowAddress(const QString& address) override;
    void ShowStatusText(const QString& text) override;
    void ShowProgress(int position, int maximum) override;
    void SetSecurityIcon(int value) override;
    void FocusTopPanel() override;
    void FocusAddressBox() override;
    void ShowSystemButtons() override;
    void UpdateSystemButtons() override;
    bool UserActed() const override { return UserClicked || ContextMenuShown; }
    void ResetUserAction() override;
    void SetContextMenuShown() override { ContextMenuShown = true; }
    void CountBlockedPopup() override;
    QSize MaximizedPageSize() const override;
    int TopPanelWidth() const override;
    int PageAreaHeight() const override;

    // CommandContext
    TfrmPage* ActivePage() const override { return Page(0); }
    TfrmPage* MenuPage() const override { return pageList->ContextPage; }
    bool AddressBoxHasText() const override;
    bool IsChecked(const QAction* command) const override;
    void StripToolBarAccelerators() override;

    // HookHost
    QWidget* TopPanel() const override { return pnlTop; }
    QWidget* SidePanel() const override { return nullptr; }
    void RunHandler(const char* command) override;
    void Execute(const char* command) override;
    void SetUserClicked() override;
    void ClearContextMenuShown() override { ContextMenuShown = false; }
    void ResetHotButtons() override;

    // AddressHost
    bool NewAddressSetting() const override { return snapshot_.NewAddress; }

    // LayoutHost
    bool KeepsStoredSize() const override { return IsMaximized; }
    void FitMaximizedPages() override;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    // A key that no control took runs the command with that shortcut.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void thdInitUIExecute();
    void thdInitUITerminate();
    void createBars();
    void connectCommands();
    void createSystemButtons();
    // The page commands built so far: back, forward, home, stop, refresh, close, new.
    void connectPageCommands();

    const SettingsStore& settings_;
    QString argument_;
    TfrmAbout* splash_;
    SettingsSnapshot snapshot_;
};

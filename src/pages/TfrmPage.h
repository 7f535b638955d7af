#pragma once

#include "pages/WebBrowser.h"

#include <QMdiSubWindow>
#include <QStringList>

class PageHost;
class QFrame;
class TTabButton;

// A page window: one web page in a child window of the main window's page area,
// with the tab that stands for it in the tab strip. It keeps the state the main
// window shows while it is the active page, and maximizes in its own way: a
// frameless window that fills the page area.
class TfrmPage : public QMdiSubWindow {
    Q_OBJECT

public:
    // The system commands a page answers to, posted by tabs and menus.
    enum class SysCommand { Maximize, Restore, Minimize, Close };

    static constexpr int IdleImage = 9;
    static constexpr QSize InitialSize{395, 260};

    // The page takes ownership of the browser.
    TfrmPage(PageHost& host, WebBrowser* browser);
    ~TfrmPage() override;

    WebBrowser& WB() const { return *WB_; }

    void NavigatePage(const QString& address);
    void SetPageAddress(const QString& address);
    bool IsPageMuted() const;
    void SetPageClosing(bool closing);
    void SetTabIcon(int index);
    void SaveGeometry();
    void MaximizePage();
    void RestorePage();
    void WMSysCommand(SysCommand command);

    // Requests handled after the current event, as posted window messages are.
    void PostSysCommand(SysCommand command);
    void PostClose();

    void BringToFront();
    // The main window reports that this page became the active one.
    void FormActivate();

    bool Closing = false;
    int ProgressPercent = 0;
    int TabIcon = IdleImage;
    int LockIcon = SecureLock::NoPage;
    QString StatusText;
    int SavedTop = 0;
    int SavedLeft = 0;
    int SavedHeight = 0;
    int SavedWidth = 0;
    TTabButton* Tab = nullptr;
    bool Maximized = false;
    bool CanGoBack = false;
    bool CanGoForward = false;
    QStringList BackTitles;
    QStringList ForwardTitles;
    QString Address = QStringLiteral("about:blank");
    bool AsPopup = false;
    bool DeferGeometry = false;
    bool ScriptSized = false;

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void FormCreate();
    void CreateTab();
    void FormClose();

    void WBTitleChange(const QString& text);
    void WBProgressChange(int progress, int progressMax);
    void WBDocumentComplete();
    void WBStatusTextChange(const QString& text);
    void WBNewWindow2(NewWindowRequest& request);
    void WBBeforeNavigate2(const QString& url, bool& cancel);
    void WBNavigateComplete2(const QString& url, bool topLevel);
    void WBCommandStateChange(BrowserCommand command, bool enable);
    void WBWindowSetResizable(bool resizable);
    void WBShowContextMenu();
    void WBSetSecureLockIcon(int value);
    void WBDownloadComplete();

    enum class Edge { Left, Top, Width, Height };
    void WBWindowSetGeometry(Edge edge, int value);
    void setEdge(Edge edge, int value);
    void setFramed(bool framed);
    void setWindowStateQuietly(Qt::WindowStates state);

    PageHost& host_;
    WebBrowser* WB_;
    QFrame* pnlWB_;
    bool resizable_ = true;
    bool changingState_ = false;
};

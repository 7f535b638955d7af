#include "pages/TfrmPage.h"

#include "app/SettingsSnapshot.h"
#include "app/SettingsStore.h"
#include "app/TextHelpers.h"
#include "pages/PageHost.h"
#include "pages/TTabButton.h"
#include "pages/TabStrip.h"
#include "ui/PageImages.h"

#include <QCloseEvent>
#include <QFrame>
#include <QMdiArea>
#include <QTimer>
#include <QVBoxLayout>

namespace {

constexpr int MinScriptSize = 30;

// The tab image for a load's progress: 1 to 8 in eighths, 0 when it cannot be told
// in eighths (no maximum, or done), 9 when nothing loads.
int ProgressImage(int progress, int progressMax) {
    if (progress == 0)
        return TfrmPage::IdleImage;
    if (progressMax <= 0)
        return 0;
    const qint64 index = qint64(progress) * 1000 / (qint64(progressMax) * 125) + 1;
    return index >= 0 && index <= 8 ? int(index) : 0;
}

} // namespace

TfrmPage::TfrmPage(PageHost& host, WebBrowser* browser)
    : host_(host), WB_(browser), pnlWB_(new QFrame) {
    setAttribute(Qt::WA_DeleteOnClose);
    WB_->setParent(this);
    pnlWB_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    pnlWB_->setFocusPolicy(Qt::StrongFocus);
    auto* layout = new QVBoxLayout(pnlWB_);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->addWidget(WB_->widget());
    setWidget(pnlWB_);
    setWindowTitle(Address);
    resize(InitialSize);

    connect(WB_, &WebBrowser::TitleChange, this, &TfrmPage::WBTitleChange);
    connect(WB_, &WebBrowser::ProgressChange, this, &TfrmPage::WBProgressChange);
    connect(WB_, &WebBrowser::DocumentComplete, this, &TfrmPage::WBDocumentComplete);
    connect(WB_, &WebBrowser::StatusTextChange, this, &TfrmPage::WBStatusTextChange);
    connect(WB_, &WebBrowser::NewWindow2, this, &TfrmPage::WBNewWindow2);
    connect(WB_, &WebBrowser::BeforeNavigate2, this, &TfrmPage::WBBeforeNavigate2);
    connect(WB_, &WebBrowser::NavigateComplete2, this, &TfrmPage::WBNavigateComplete2);
    connect(WB_, &WebBrowser::CommandStateChange, this, &TfrmPage::WBCommandStateChange);
    connect(WB_, &WebBrowser::WindowSetLeft, this,
            [this](int v) { WBWindowSetGeometry(Edge::Left, v); });
    connect(WB_, &WebBrowser::WindowSetTop, this,
            [this](int v) { WBWindowSetGeometry(Edge::Top, v); });
    connect(WB_, &WebBrowser::WindowSetWidth, this,
            [this](int v) { WBWindowSetGeometry(Edge::Width, v); });
    connect(WB_, &WebBrowser::WindowSetHeight, this,
            [this](int v) { WBWindowSetGeometry(Edge::Height, v); });
    connect(WB_, &WebBrowser::WindowSetResizable, this, &TfrmPage::WBWindowSetResizable);
    // The page closes itself; the browser never does.
    connect(WB_, &WebBrowser::WindowClosing, this, [this](bool& cancel) {
        cancel = true;
        PostClose();
    });
    connect(WB_, &WebBrowser::Quit, this, &TfrmPage::PostClose);
    connect(WB_, &WebBrowser::CloseQuery, this, [this](bool& canClose) {
        canClose = false;
        PostClose();
    });
    connect(WB_, &WebBrowser::ShowContextMenu, this, &TfrmPage::WBShowContextMenu);
    connect(WB_, &WebBrowser::SetSecureLockIcon, this, &TfrmPage::WBSetSecureLockIcon);
    connect(WB_, &WebBrowser::DownloadComplete, this, &TfrmPage::WBDownloadComplete);

    FormCreate();
}

TfrmPage::~TfrmPage() {
    // Blanking the page stops whatever it still plays or runs.
    if (WB_->HasDocument())
        WB_->LoadBlank();
}

void TfrmPage::FormCreate() {
    CreateTab();
    host_.ArrangeTabs();
    WB_->setDownloadOptions(host_.PageDownloadOptions());
    UserInterfaceOptions ui = WB_->userInterfaceOptions();
    ui.setFlag(UserInterfaceOption::ENABLE_FORMS_AUTOCOMPLETE,
               host_.Snapshot().WebPageAutoComplete);
    WB_->setUserInterfaceOptions(ui);
}

void TfrmPage::CreateTab() {
    Tab = new TTabButton;
    Tab->hide();
    Tab->setCaption(Address);
    Tab->setToolTip(Address);
    host_.ShowCaption(Address);
    Tab->setGlyph(PageImages()[IdleImage]);
    // Owned by the page, shown in the strip: the page deletes it when it goes.
    host_.Tabs().addTab(Tab);
    connect(this, &QObject::destroyed, Tab, &QObject::deleteLater);
}

void TfrmPage::NavigatePage(const QString& address) {
    if (address.isEmpty())
        return;
    SetPageAddress(address);
    if (!resizable_) {
        resizable_ = true;
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        setFramed(!Maximized);
    }
    WB_->Navigate(address);
    host_.FocusTopPanel();
}

void TfrmPage::SetPageAddress(const QString& address) {
    Address = address;
    if (host_.IsActivePage(this) && !host_.AddressTyping())
        host_.ShowAddress(address.isEmpty() ? QStringLiteral("about:blank") : address);
}

bool TfrmPage::IsPageMuted() const {
    return Closing || host_.ClosingAll();
}

void TfrmPage::SetPageClosing(bool closing) {
    Closing = closing;
}

void TfrmPage::SetTabIcon(int index) {
    if (index == TabIcon)
        return;
    Tab->setGlyph(PageImages().value(index));
    Tab->update();
    TabIcon = index;
}

void TfrmPage::SaveGeometry() {
    SavedTop = y();
    SavedLeft = x();
    SavedWidth = width();
    SavedHeight = height();
}

void TfrmPage::MaximizePage() {
    pnlWB_->setFrameStyle(QFrame::NoFrame);
    if (isMinimized())
        setWindowStateQuietly(Qt::WindowNoState);
    if (!Maximized)
        SaveGeometry();
    host_.ShowSystemButtons();
    setFramed(false);
    const QSize size = host_.MaximizedPageSize();
    move(0, 0);
    // One pixel short first, so the browser lays itself out again at the final size.
    resize(size - QSize(1, 1));
    resize(size);
    Maximized = true;
    host_.Snapshot().OpenMax = true;
    host_.Settings().WriteFlag(Setting::OpenMax, true);
}

void TfrmPage::RestorePage() {
    Maximized = false;
    pnlWB_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setFramed(true);
    // Before the geometry: a sub-window coming back to the normal state puts back a
    // geometry of its own.
    if (windowState() != Qt::WindowNoState)
        setWindowStateQuietly(Qt::WindowNoState);
    move(SavedLeft, SavedTop);
    resize(SavedWidth != 0 ? SavedWidth : width(), SavedHeight != 0 ? SavedHeight : height());
    host_.UpdateSystemButtons();
}

void TfrmPage::WMSysCommand(SysCommand command) {
    switch (command) {
    case SysCommand::Maximize:
        MaximizePage();
        BringToFront();
        break;
    case SysCommand::Restore:
        host_.Snapshot().OpenMax = false;
        host_.Settings().WriteFlag(Setting::OpenMax, false);
        RestorePage();
        BringToFront();
        break;
    case SysCommand::Minimize:
        setWindowStateQuietly(windowState() | Qt::WindowMinimized);
        break;
    case SysCommand::Close:
        close();
        break;
    }
    host_.UpdateSystemButtons();
}

void TfrmPage::PostSysCommand(SysCommand command) {
    QMetaObject::invokeMethod(
        this, [this, command] { WMSysCommand(command); }, Qt::QueuedConnection);
}

void TfrmPage::PostClose() {
    QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
}

void TfrmPage::BringToFront() {
    if (!isVisible())
        show();
    raise();
    if (QMdiArea* area = mdiArea(); area && area->activeSubWindow() != this)
        area->setActiveSubWindow(this);
}

void TfrmPage::FormActivate() {
    raise();
    Tab->setChecked(true);
    host_.SetSecurityIcon(LockIcon);
    if (!host_.AddressTyping())
        host_.ShowAddress(Address.isEmpty() ? QStringLiteral("about:blank") : Address);
    host_.ShowProgress(ProgressPercent, 100);
    host_.ShowStatusText(StatusText);
    host_.ResetUserAction();
    if (!WB_->Busy())
        SetTabIcon(IdleImage);
    pnlWB_->setFocus();
    if (WB_->HasDocument())
        WB_->UIActivate();
    host_.ShowCaption(windowTitle());
}

void TfrmPage::closeEvent(QCloseEvent* event) {
    if (!Closing)
        FormClose();
    event->accept();
}

void TfrmPage::FormClose() {
    host_.Tabs().removeTab(Tab);
    SetPageClosing(true);
    host_.UpdateSystemButtons();
    const bool active = host_.IsActivePage(this);
    const bool last = host_.PageCount() == 1;
    host_.PageClosing(this);
    if (active) {
        if (last)
            host_.FocusAddressBox();
        host_.SetSecurityIcon(SecureLock::NoPage);
        host_.SetClosingAll(false);
        host_.ShowStatusText(QString());
        host_.ShowProgress(0, 0);
        host_.ShowAddress(QString());
        host_.ShowCaption(QString());
    }
    host_.ArrangeTabs();
}

void TfrmPage::changeEvent(QEvent* event) {
    QMdiSubWindow::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange || changingState_)
        return;
    // The window's own buttons: a page never takes the system's maximized state,
    // and coming back from minimized is the restore command.
    const auto* change = static_cast<QWindowStateChangeEvent*>(event);
    if (windowState() & Qt::WindowMaximized)
        PostSysCommand(SysCommand::Maximize);
    else if ((change->oldState() & Qt::WindowMinimized) && !isMinimized())
        PostSysCommand(Maximized ? SysCommand::Maximize : SysCommand::Restore);
}

void TfrmPage::setWindowStateQuietly(Qt::WindowStates state) {
    changingState_ = true;
    setWindowState(state);
    changingState_ = false;
}

void TfrmPage::setFramed(bool framed) {
    const bool visible = isVisible();
    Qt::WindowFlags flags = Qt::SubWindow;
    if (framed) {
        flags |= Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint;
        if (resizable_)
            flags |= Qt::WindowMaximizeButtonHint;
    } else {
        flags |= Qt::FramelessWindowHint;
    }
    if (flags == windowFlags())
        return;
    setWindowFlags(flags);
    if (visible)
        show();
}

void TfrmPage::WBTitleChange(const QString& text) {
    if (IsPageMuted())
        return;
    setWindowTitle(text);
    Tab->setCaption(MenuCaption(text, 0));
    if (host_.IsActivePage(this))
        host_.ShowCaption(text);
    Tab->setToolTip(text);
}

void TfrmPage::WBProgressChange(int progress, int progressMax) {
    if (IsPageMuted())
        return;
    if (host_.IsActivePage(this))
        host_.ShowProgress(progressMax > 0 ? progress : 0, progressMax);
    SetTabIcon(ProgressImage(progress, progressMax));
    ProgressPercent = progressMax > 0 ? int(qint64(progress) * 100 / progressMax) : 0;
}

void TfrmPage::WBDocumentComplete() {
    if (IsPageMuted() || WB_->Busy())
        return;
    SetTabIcon(IdleImage);
    ProgressPercent = 0;
}

void TfrmPage::WBStatusTextChange(const QString& text) {
    if (IsPageMuted())
        return;
    StatusText = QStringLiteral("  ") + MenuCaption(text, 0);
    if (host_.IsActivePage(this))
        host_.ShowStatusText(StatusText);
}

void TfrmPage::WBNewWindow2(NewWindowRequest& request) {
    bool allow = !IsPageMuted();
    // With the filter on, only the active page gets a window, and only for a user's action.
    if (allow && host_.Snapshot().StopAutoPopup)
        allow = host_.IsActivePage(this) && (host_.UserActed() || request.userInitiated);
    if (!allow) {
        host_.CountBlockedPopup();
        request.cancel = true;
        return;
    }
    host_.ResetUserAction();
    request.target = &host_.NewPage(true, true)->WB();
}

void TfrmPage::WBBeforeNavigate2(const QString& url, bool& cancel) {
    // A script address in a brand-new page (typically a pop-up) is not run.
    if (url.left(11).toUpper() == QStringLiteral("JAVASCRIPT:") && !WB_->HasDocument())
        cancel = true;
    if (!AsPopup)
        return;
    if (DeferGeometry) {
        // Out of the parking place beside the page area, still behind the current page.
        move(x(), SavedTop);
        resize(SavedWidth, SavedHeight);
        if (host_.IsActivePage(this) && host_.PageCount() >= 2)
            host_.Page(1)->BringToFront();
        move(SavedLeft, y());
    } else {
        BringToFront();
    }
    AsPopup = false;
    if (!ScriptSized) {
        if (host_.Snapshot().OpenMax && !Maximized)
            MaximizePage();
    } else if (Maximized) {
        RestorePage();
    }
}

void TfrmPage::WBNavigateComplete2(const QString& url, bool topLevel) {
    if (!topLevel)
        return;
    SetPageAddress(url);
    host_.ResetUserAction();
}

void TfrmPage::WBCommandStateChange(BrowserCommand command, bool enable) {
    if (IsPageMuted())
        return;
    if (command == BrowserCommand::NavigateForward) {
        CanGoForward = enable;
        ForwardTitles = WB_->ForwardTitles();
    } else if (command == BrowserCommand::NavigateBack) {
        CanGoBack = enable;
        BackTitles = WB_->BackTitles();
    }
}

void TfrmPage::WBWindowSetGeometry(Edge edge, int value) {
    const bool ignored = [&] {
        switch (edge) {
        case Edge::Width:
        case Edge::Height:
            return value <= MinScriptSize;
        case Edge::Left:
            return value <= 0 || value >= host_.TopPanelWidth() - 100;
        case Edge::Top:
            return value <= 0 || value >= host_.PageAreaHeight() - 30;
        }
        return true;
    }();
    if (ignored)
        return;
    if (AsPopup)
        ScriptSized = true;
    else if (Maximized)
        RestorePage();
    if (AsPopup && DeferGeometry) {
        int* saved[] = {&SavedLeft, &SavedTop, &SavedWidth, &SavedHeight};
        *saved[int(edge)] = value;
    } else {
        setEdge(edge, value);
    }
}

void TfrmPage::setEdge(Edge edge, int value) {
    QRect r = geometry();
    switch (edge) {
    case Edge::Left:
        r.moveLeft(value);
        break;
    case Edge::Top:
        r.moveTop(value);
        break;
    case Edge::Width:
        r.setWidth(value);
        break;
    case Edge::Height:
        r.setHeight(value);
        break;
    }
    if (!resizable_)
        setFixedSize(r.size());
    setGeometry(r);
}

void TfrmPage::WBWindowSetResizable(bool resizable) {
    if (resizable)
        return;
    if (Maximized)
        RestorePage();
    resizable_ = false;
    setFixedSize(size());
    setFramed(true);
}

void TfrmPage::WBShowContextMenu() {
    host_.SetContextMenuShown();
}

void TfrmPage::WBSetSecureLockIcon(int value) {
    host_.SetSecurityIcon(value);
    LockIcon = value;
}

void TfrmPage::WBDownloadComplete() {
    // A nudge of the panel makes the browser lay itself out again.
    const QSize size = pnlWB_->size();
    pnlWB_->resize(size + QSize(1, 1));
    pnlWB_->resize(size);
}

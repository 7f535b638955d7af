#include "pages/QtWebBrowser.h"

#include "pages/EngineProfile.h"
#include "platform/Registry.h"

#include <QContextMenuEvent>
#include <QDir>
#include <QUrl>
#include <QWebEngineCertificateError>
#include <QWebEngineHistory>
#include <QWebEngineLoadingInfo>
#include <QWebEngineNewWindowRequest>
#include <QWebEnginePage>
#include <QWebEngineSettings>
#include <QWebEngineUrlRequestInterceptor>
#include <QWebEngineView>

#include <algorithm>
#include <atomic>
#include <utility>

class QtWebBrowser::View : public QWebEngineView {
public:
    explicit View(QtWebBrowser& browser) : browser_(browser) {}

protected:
    void contextMenuEvent(QContextMenuEvent* event) override {
        emit browser_.ShowContextMenu();
        QWebEngineView::contextMenuEvent(event);
    }

private:
    QtWebBrowser& browser_;
};

class QtWebBrowser::Page : public QWebEnginePage {
public:
    explicit Page(QtWebBrowser& browser) : QWebEnginePage(EngineProfile()), browser_(browser) {}

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override {
        if (!isMainFrame)
            return true;
        // Typed navigations are our own load() and setHtml(): Navigate has asked
        // already and LoadBlank must not ask.
        if (type != NavigationTypeTyped && !browser_.askBeforeNavigate(url.toString())) {
            browser_.refused_ = url;
            return false;
        }
        browser_.certificateError_ = false;
        return true;
    }

private:
    QtWebBrowser& browser_;
};

// Refuses the page's media requests while videos are off.
class QtWebBrowser::MediaFilter : public QWebEngineUrlRequestInterceptor {
public:
    void interceptRequest(QWebEngineUrlRequestInfo& info) override {
        if (blockMedia && info.resourceType() == QWebEngineUrlRequestInfo::ResourceTypeMedia)
            info.block(true);
    }

    std::atomic<bool> blockMedia = false;
};

QtWebBrowser::QtWebBrowser(QObject* parent)
    : WebBrowser(parent), mediaFilter_(std::make_unique<MediaFilter>()),
      page_(std::make_unique<Page>(*this)), view_(new View(*this)) {
    page_->settings()->setAttribute(QWebEngineSettings::JavascriptCanOpenWindows, true);
    page_->setUrlRequestInterceptor(mediaFilter_.get());
    view_->setPage(page_.get());
    connectPage();
    setDownloadOptions(DownloadControl::DLIMAGES | DownloadControl::VIDEOS |
                       DownloadControl::BGSOUNDS);
}

QtWebBrowser::~QtWebBrowser() {
    // Nothing the page says while it goes down may reach a browser half destroyed.
    page_->disconnect(this);
    delete view_;
}

void QtWebBrowser::connectPage() {
    Page* page = page_.get();
    connect(page, &QWebEnginePage::titleChanged, this, &QtWebBrowser::TitleChange);
    connect(page, &QWebEnginePage::linkHovered, this, &QtWebBrowser::StatusTextChange);
    connect(page, &QWebEnginePage::loadingChanged, this, &QtWebBrowser::loadingChanged);
    connect(page, &QWebEnginePage::loadProgress, this, [this](int progress) {
        if (!inRefusedLoad_)
            emit ProgressChange(progress, 100);
    });
    connect(page, &QWebEnginePage::urlChanged, this, &QtWebBrowser::committed);
    connect(page, &QWebEnginePage::certificateError, this,
            [this](const QWebEngineCertificateError&) {
                certificateError_ = true;
                // A typed address shows before the error arrives.
                if (hasDocument_)
                    emit SetSecureLockIcon(lockState(page_->url()));
            });
    connect(page, &QWebEnginePage::geometryChangeRequested, this, &QtWebBrowser::scriptGeometry);
    connect(page, &QWebEnginePage::windowCloseRequested, this, [this] {
        // The page window decides and closes itself; the engine waits for nothing.
        bool cancel = false;
        emit WindowClosing(cancel);
    });
    connect(page, &QWebEnginePage::newWindowRequested, this,
            [this](QWebEngineNewWindowRequest& request) {
                NewWindowRequest ask{request.requestedUrl().toString(), request.isUserInitiated()};
                emit NewWindow2(ask);
                auto* target = dynamic_cast<QtWebBrowser*>(ask.target);
                if (ask.cancel || !target)
                    return;
                // openIn reports the geometry to the new page itself; the new
                // window takes it from here instead, unfiltered.
                target->adopting_ = true;
                request.openIn(target->page_.get());
                target->adopting_ = false;
                target->newWindowGeometry(request.requestedGeometry());
            });
    // Quit, CloseQuery and WindowSetResizable have no engine counterpart: never raised.
}

bool QtWebBrowser::askBeforeNavigate(const QString& url) {
    bool cancel = false;
    emit BeforeNavigate2(url, cancel);
    return !cancel;
}

void QtWebBrowser::loadingChanged(const QWebEngineLoadingInfo& info) {
    // The engine still starts and fails a navigation the host refused; the host
    // hears nothing of it. A refusal stands only for the load event right after it.
    const QUrl refused = std::exchange(refused_, QUrl());
    if (info.status() == QWebEngineLoadingInfo::LoadStartedStatus) {
        inRefusedLoad_ = !refused.isEmpty() && info.url() == refused;
        if (!inRefusedLoad_) {
            busy_ = true;
            emit ProgressChange(0, 100);
        }
        return;
    }
    if (std::exchange(inRefusedLoad_, false))
        return;
    busy_ = false;
    emit DownloadComplete();
    emit DocumentComplete();
    reportCommandStates();
}

void QtWebBrowser::committed(const QUrl& url) {
    hasDocument_ = true;
    emit SetSecureLockIcon(lockState(url));
    emit NavigateComplete2(url.toString(), true);
    reportCommandStates();
}

void QtWebBrowser::reportCommandStates() {
    emit CommandStateChange(BrowserCommand::NavigateForward, page_->history()->canGoForward());
    emit CommandStateChange(BrowserCommand::NavigateBack, page_->history()->canGoBack());
}

int QtWebBrowser::lockState(const QUrl& url) const {
    if (url.isEmpty())
        return SecureLock::NoPage;
    if (url.scheme() == QStringLiteral("https") && !certificateError_)
        return SecureLock::Secure;
    return SecureLock::Unsecure;
}

void QtWebBrowser::scriptGeometry(const QRect& requested) {
    if (adopting_ || !view_)
        return;
    // The engine measures the top-level window with its frame and sends all four
    // values; only what differs is asked for, so that resizeTo does not also move
    // the window nor moveTo resize it.
    const QRect current = view_->window()->frameGeometry();
    if (requested.x() != current.x())
        emit WindowSetLeft(requested.x());
    if (requested.y() != current.y())
        emit WindowSetTop(requested.y());
    if (requested.width() != current.width())
        emit WindowSetWidth(requested.width());
    if (requested.height() != current.height())
        emit WindowSetHeight(requested.height());
}

void QtWebBrowser::newWindowGeometry(const QRect& requested) {
    if (requested.isEmpty())
        return;
    // The engine leaves a position the script did not give at 0.
    if (requested.x() != 0)
        emit WindowSetLeft(requested.x());
    if (requested.y() != 0)
        emit WindowSetTop(requested.y());
    emit WindowSetWidth(requested.width());
    emit WindowSetHeight(requested.height());
}

QWidget* QtWebBrowser::widget() {
    return view_;
}

void QtWebBrowser::Navigate(const QString& address) {
    if (askBeforeNavigate(address))
        page_->load(QUrl::fromUserInput(address, QDir::currentPath()));
}

void QtWebBrowser::Stop() {
    page_->triggerAction(QWebEnginePage::Stop);
}

void QtWebBrowser::Refresh() {
    page_->triggerAction(QWebEnginePage::Reload);
}

void QtWebBrowser::GoBack() {
    page_->triggerAction(QWebEnginePage::Back);
}

void QtWebBrowser::GoForward() {
    page_->triggerAction(QWebEnginePage::Forward);
}

void QtWebBrowser::GoHome() {
    Registry registry;
    QString home;
    if (registry.openKey(QStringLiteral("Software\\Microsoft\\Internet Explorer\\Main"), false))
        home = registry.readString(QStringLiteral("Start Page")).value_or(QString());
    Navigate(home.isEmpty() ? QStringLiteral("about:blank") : home);
}

void QtWebBrowser::LoadBlank() {
    page_->setHtml(QString());
}

QString QtWebBrowser::LocationURL() const {
    return page_->url().toString();
}

QString QtWebBrowser::LocationName() const {
    return page_->title();
}

void QtWebBrowser::setDownloadOptions(DownloadOptions options) {
    downloadOptions_ = options;
    QWebEngineSettings* settings = page_->settings();
    settings->setAttribute(QWebEngineSettings::AutoLoadImages,
                           options.testFlag(DownloadControl::DLIMAGES));
    settings->setAttribute(QWebEngineSettings::JavascriptEnabled,
                           !options.testFlag(DownloadControl::NO_SCRIPTS));
    settings->setAttribute(QWebEngineSettings::PluginsEnabled,
                           !options.testFlag(DownloadControl::NO_RUNACTIVEXCTLS));
    page_->setAudioMuted(!options.testFlag(DownloadControl::BGSOUNDS));
    mediaFilter_->blockMedia = !options.testFlag(DownloadControl::VIDEOS);
}

namespace {

QStringList titles(const QList<QWebEngineHistoryItem>& items) {
    QStringList result;
    for (const QWebEngineHistoryItem& item : items)
        result << item.title();
    return result;
}

} // namespace

QStringList QtWebBrowser::BackTitles() const {
    QWebEngineHistory* history = page_->history();
    QStringList result = titles(history->backItems(history->count()));
    // The engine lists them oldest first.
    std::reverse(result.begin(), result.end());
    return result;
}

QStringList QtWebBrowser::ForwardTitles() const {
    QWebEngineHistory* history = page_->history();
    return titles(history->forwardItems(history->count()));
}

void QtWebBrowser::UIActivate() {
    if (hasDocument_ && view_)
        view_->setFocus();
}

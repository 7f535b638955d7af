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
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>
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

namespace {

// Scripts that move or size their window report the values they asked for, as
// they gave them: the engine would clamp them, and it lets only windows that a
// script opened move at all.
const QString GeometryMark = QStringLiteral("\u0001corvane-window:");

const char* const GeometryScript = R"(
(function () {
    const ask = (what, a, b) =>
        console.info('\x01corvane-window:' + what + ':' + Math.round(a) + ':' + Math.round(b));
    window.resizeTo = (w, h) => ask('size', w, h);
    window.resizeBy = (dw, dh) => ask('size', window.outerWidth + dw, window.outerHeight + dh);
    window.moveTo = (x, y) => ask('move', x, y);
    window.moveBy = (dx, dy) => ask('move', window.screenX + dx, window.screenY + dy);
})();
)";

} // namespace

class QtWebBrowser::Page : public QWebEnginePage {
public:
    explicit Page(QtWebBrowser& browser) : QWebEnginePage(EngineProfile()), browser_(browser) {
        QWebEngineScript geometry;
        geometry.setName(QStringLiteral("corvane-window-geometry"));
        geometry.setSourceCode(QString::fromLatin1(GeometryScript));
        geometry.setInjectionPoint(QWebEngineScript::DocumentCreation);
        geometry.setWorldId(QWebEngineScript::MainWorld);
        geometry.setRunsOnSubFrames(false);
        scripts().insert(geometry);
    }

protected:
    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level, const QString& message,
                                  int line, const QString& source) override {
        if (!message.startsWith(GeometryMark)) {
            QWebEnginePage::javaScriptConsoleMessage(level, message, line, source);
            return;
        }
        const QStringList parts = message.mid(GeometryMark.size()).split(':');
        bool okA = false;
        bool okB = false;
        const int a = parts.value(1).toInt(&okA);
        const int b = parts.value(2).toInt(&okB);
        if (parts.size() == 3 && okA && okB)
            browser_.scriptGeometry(parts[0] == QStringLiteral("size"), a, b);
    }

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
                // A typed address may have shown, and its lock been given, before.
                if (hasDocument_)
                    emit SetSecureLockIcon(lockState(page_->url()));
            });
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
                request.openIn(target->page_.get());
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
    // The end of a download, as -1: the gauge empties and the tab shows the load as done.
    emit ProgressChange(-1, 100);
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

void QtWebBrowser::scriptGeometry(bool size, int a, int b) {
    if (size) {
        emit WindowSetWidth(a);
        emit WindowSetHeight(b);
    } else {
        emit WindowSetLeft(a);
        emit WindowSetTop(b);
    }
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

bool QtWebBrowser::EditCommandEnabled(EditCommand command) const {
    const QWebEnginePage::WebAction actions[] = {QWebEnginePage::Copy, QWebEnginePage::Cut,
                                                 QWebEnginePage::Paste,
                                                 QWebEnginePage::SelectAll};
    return hasDocument_ && page_->action(actions[int(command)])->isEnabled();
}

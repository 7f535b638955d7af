#pragma once

#include "pages/WebBrowser.h"

#include <QPointer>
#include <QUrl>

#include <memory>

class QWebEngineLoadingInfo;

// The page's browser on Qt WebEngine: a view with its own page on the shared
// engine profile. The browser owns its widget; the host places it in a layout and
// may delete it first, but the page stays usable until the browser goes.
class QtWebBrowser : public WebBrowser {
    Q_OBJECT

public:
    explicit QtWebBrowser(QObject* parent = nullptr);
    ~QtWebBrowser() override;

    QWidget* widget() override;

    void Navigate(const QString& address) override;
    void Stop() override;
    void Refresh() override;
    void GoBack() override;
    void GoForward() override;
    void GoHome() override;
    void LoadBlank() override;

    QString LocationURL() const override;
    QString LocationName() const override;
    bool Busy() const override { return busy_; }
    bool HasDocument() const override { return hasDocument_; }

    DownloadOptions downloadOptions() const override { return downloadOptions_; }
    void setDownloadOptions(DownloadOptions options) override;
    UserInterfaceOptions userInterfaceOptions() const override { return uiOptions_; }
    void setUserInterfaceOptions(UserInterfaceOptions options) override { uiOptions_ = options; }

    QStringList BackTitles() const override;
    QStringList ForwardTitles() const override;

    void UIActivate() override;
    bool EditCommandEnabled(EditCommand command) const override;

private:
    class View;
    class Page;
    class MediaFilter;

    void connectPage();
    // Emits BeforeNavigate2; true when the handler lets the navigation go on.
    bool askBeforeNavigate(const QString& url);
    void loadingChanged(const QWebEngineLoadingInfo& info);
    void committed(const QUrl& url);
    void reportCommandStates();
    int lockState(const QUrl& url) const;
    // A script asked for its window's size (or else its position).
    void scriptGeometry(bool size, int a, int b);
    void newWindowGeometry(const QRect& requested);

    // Declared in this order so the page goes before the filter it uses.
    std::unique_ptr<MediaFilter> mediaFilter_;
    std::unique_ptr<Page> page_;
    QPointer<View> view_;
    DownloadOptions downloadOptions_;
    UserInterfaceOptions uiOptions_;
    bool busy_ = false;
    bool hasDocument_ = false;
    bool certificateError_ = false; // for the current main-frame navigation
    QUrl refused_;                  // the main-frame navigation just refused
    bool inRefusedLoad_ = false;
};

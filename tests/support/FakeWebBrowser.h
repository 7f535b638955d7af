#pragma once

#include "pages/WebBrowser.h"

#include <QPointer>
#include <QStringList>
#include <QWidget>

// A browser that tests drive event by event: it records what it is asked to do
// and raises only the events the test emits.
class FakeWebBrowser : public WebBrowser {
    Q_OBJECT

public:
    FakeWebBrowser();
    ~FakeWebBrowser() override;

    QWidget* widget() override { return widget_.data(); }

    void Navigate(const QString& address) override;
    void Stop() override { ++stops; }
    void Refresh() override { ++refreshes; }
    void GoBack() override { ++backs; }
    void GoForward() override { ++forwards; }
    void GoHome() override { Navigate(QStringLiteral("about:home")); }
    void LoadBlank() override { ++blanks; }

    QString LocationURL() const override { return location; }
    QString LocationName() const override { return title; }
    bool Busy() const override { return busy; }
    bool HasDocument() const override { return hasDocument; }

    DownloadOptions downloadOptions() const override { return download; }
    void setDownloadOptions(DownloadOptions options) override { download = options; }
    UserInterfaceOptions userInterfaceOptions() const override { return ui; }
    void setUserInterfaceOptions(UserInterfaceOptions options) override { ui = options; }

    QStringList BackTitles() const override { return back; }
    QStringList ForwardTitles() const override { return forward; }
    void UIActivate() override { ++activations; }
    bool EditCommandEnabled(EditCommand command) const override {
        return editable.contains(command);
    }

    // Every Navigate that BeforeNavigate2 let through, in order.
    QStringList navigated;
    QString location;
    QString title;
    bool busy = false;
    bool hasDocument = false;
    DownloadOptions download;
    UserInterfaceOptions ui;
    QStringList back, forward;
    QList<EditCommand> editable;
    int stops = 0, refreshes = 0, blanks = 0, activations = 0, backs = 0, forwards = 0;

private:
    QPointer<QWidget> widget_; // the page may delete it first
};

#include "pages/TfrmPage.h"

#include "pages/EngineProfile.h"

#include <QDir>
#include <QUrl>
#include <QWebEnginePage>
#include <QWebEngineView>

TfrmPage::TfrmPage(QWidget* parent) : QMdiSubWindow(parent) {
    setAttribute(Qt::WA_DeleteOnClose);
    browser_ = new QWebEngineView(this);
    browser_->setPage(new QWebEnginePage(EngineProfile(), browser_));
    setWidget(browser_);
    setWindowTitle(Address);
    connect(browser_, &QWebEngineView::titleChanged, this, [this](const QString& title) {
        setWindowTitle(title);
        emit captionChanged(title);
    });
}

void TfrmPage::NavigatePage(const QString& address) {
    if (address.isEmpty())
        return;
    Address = address;
    browser_->load(QUrl::fromUserInput(address, QDir::currentPath()));
}

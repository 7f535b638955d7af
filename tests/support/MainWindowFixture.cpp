#include "support/MainWindowFixture.h"

#include "pages/TfrmPage.h"
#include "platform/ProfileFile.h"
#include "support/Wait.h"

#include <QPointer>
#include <QtTest/QTest>

QByteArray MainWindowFixture::defaultSettings() {
    return "Maximized=\xB7\xF1\r\nLeft=0\r\nTop=0\r\nWidth=1024\r\nHeight=700\r\n"
           "StartsWithHomePage=\xB7\xF1\r\nOpenMax=\xB7\xF1\r\n";
}

void MainWindowFixture::start(const QByteArray& settings, const QString& argument) {
    writeFile(store.path(), "[Corvane Settings]\r\n" + settings);
    main = std::make_unique<TfrmCorvaneMain>(store, makeBrowser, argument, nullptr);
    main->FormCreate();
    main->show();
    ASSERT_TRUE(waitFor([this] { return setting("ProperlyClosed") == QStringLiteral("否"); }));
}

void MainWindowFixture::TearDown() {
    main.reset();
}

TfrmPage* MainWindowFixture::open(const QString& address) {
    TfrmPage* page = main->NewPage(false, true);
    page->NavigatePage(address);
    return page;
}

FakeWebBrowser& MainWindowFixture::browserOf(const TfrmPage* page) const {
    return static_cast<FakeWebBrowser&>(page->WB());
}

QString MainWindowFixture::setting(const QString& key) const {
    return ProfileFile(store.path()).readString("Corvane Settings", key);
}

bool MainWindowFixture::closed(TfrmPage* page) const {
    QPointer<TfrmPage> guard(page);
    return waitFor([&] { return guard.isNull(); });
}

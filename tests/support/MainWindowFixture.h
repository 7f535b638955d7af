#pragma once

#include "app/SettingsStore.h"
#include "app/TfrmCorvaneMain.h"
#include "support/FakeWebBrowser.h"
#include "support/QtPrinters.h"
#include "support/ScriptedMessages.h"
#include "support/TempEnvironment.h"

#include <gtest/gtest.h>

#include <memory>

class TfrmPage;

// A shown main window whose pages get fake browsers, started from a settings
// file the test gives: by default a normal 1024 x 700 window with no home page.
class MainWindowFixture : public ::testing::Test {
protected:
    static QByteArray defaultSettings();

    // Writes the settings, creates and shows the window, and waits for its start-up work.
    void start(const QByteArray& settings = defaultSettings(), const QString& argument = {});
    void TearDown() override;

    TfrmPage* open(const QString& address);
    FakeWebBrowser& browserOf(const TfrmPage* page) const;
    QString setting(const QString& key) const;
    // Waits until the page window is gone.
    bool closed(TfrmPage* page) const;

    TfrmCorvaneMain::BrowserFactory makeBrowser = [] { return new FakeWebBrowser; };
    TempEnvironment env;
    ScriptedMessages messages;
    SettingsStore store{env.programFolder(), QSize(1280, 800)};
    std::unique_ptr<TfrmCorvaneMain> main;
};

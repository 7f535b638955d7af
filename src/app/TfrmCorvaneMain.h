#pragma once

#include <QMainWindow>

class QAction;
class QMdiArea;
class SettingsStore;
class TfrmAbout;
class TfrmPage;

// The main window: the frame that holds every page window.
class TfrmCorvaneMain : public QMainWindow {
    Q_OBJECT

public:
    // The splash, when given, is released once the start-up work has run.
    TfrmCorvaneMain(const SettingsStore& settings, QString argument, TfrmAbout* splash);
    ~TfrmCorvaneMain() override;

    // Restores the window's geometry from the settings; runs before the window shows.
    void FormCreate();

    // Opens an address, a local file or an Internet shortcut in a new page.
    void OpenAddressOrShortcut(const QString& text);
    TfrmPage* NewPage();

    // A later start handed its argument over: come forward and open it.
    void WMCopyData(const QByteArray& message);

    QMdiArea* pageArea() const { return mdiArea_; }

    QAction* actAbout;

private:
    void thdInitUITerminate();
    void showPageCaption(const QString& caption);

    const SettingsStore& settings_;
    QString argument_;
    TfrmAbout* splash_;
    QMdiArea* mdiArea_;
};

#pragma once

#include <QFlags>
#include <QObject>
#include <QRect>
#include <QString>
#include <QStringList>

class QWidget;

// What a page's browser may download and run. Without the DLIMAGES, VIDEOS or
// BGSOUNDS bit a page shows no pictures, plays no videos or plays no sounds.
enum class DownloadControl {
    DLIMAGES = 0x0010,
    VIDEOS = 0x0020,
    BGSOUNDS = 0x0040,
    NO_SCRIPTS = 0x0080,
    NO_JAVA = 0x0100,
    NO_RUNACTIVEXCTLS = 0x0200,
    NO_DLACTIVEXCTLS = 0x0400,
    SILENT = 0x40000000,
};
Q_DECLARE_FLAGS(DownloadOptions, DownloadControl)
Q_DECLARE_OPERATORS_FOR_FLAGS(DownloadOptions)

enum class UserInterfaceOption {
    DISABLE_HELP_MENU = 0x0001,
    NO3DBORDER = 0x0004,
    FLAT_SCROLLBAR = 0x0080,
    ENABLE_FORMS_AUTOCOMPLETE = 0x4000,
};
Q_DECLARE_FLAGS(UserInterfaceOptions, UserInterfaceOption)
Q_DECLARE_OPERATORS_FOR_FLAGS(UserInterfaceOptions)

// The editing commands a document may support and allow at a moment.
enum class EditCommand { Copy, Cut, Paste, SelectAll };

// The commands whose availability CommandStateChange reports.
enum class BrowserCommand { NavigateForward = 1, NavigateBack = 2 };

// Secure-lock values: no page, an unsecured page, a secured one.
namespace SecureLock {
constexpr int NoPage = -1;
constexpr int Unsecure = 0;
constexpr int Secure = 6;
} // namespace SecureLock

class WebBrowser;

// A page asks for a new window. The handler either names the browser that takes
// the window (`target`) or sets `cancel`; with neither, the request is refused.
struct NewWindowRequest {
    QString url;
    bool userInitiated = false; // the engine's own word that a user action caused it
    WebBrowser* target = nullptr;
    bool cancel = false;
};

// The one interface the program talks to a page's browser through. Its events
// come in the engine's order, on the main thread. Two implementations: the real
// engine and a fake that tests drive.
class WebBrowser : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

    // The widget that shows the page, to be placed in the page window.
    virtual QWidget* widget() = 0;

    virtual void Navigate(const QString& address) = 0;
    virtual void Stop() = 0;
    virtual void Refresh() = 0;
    virtual void GoBack() = 0;
    virtual void GoForward() = 0;
    virtual void GoHome() = 0;
    // Loads an empty document, which stops whatever the page still plays or runs.
    virtual void LoadBlank() = 0;

    virtual QString LocationURL() const = 0;
    virtual QString LocationName() const = 0;
    virtual bool Busy() const = 0;
    virtual bool HasDocument() const = 0;

    virtual DownloadOptions downloadOptions() const = 0;
    virtual void setDownloadOptions(DownloadOptions options) = 0;
    virtual UserInterfaceOptions userInterfaceOptions() const = 0;
    virtual void setUserInterfaceOptions(UserInterfaceOptions options) = 0;

    // Titles of the travel log's entries behind and ahead of the current one, nearest first.
    virtual QStringList BackTitles() const = 0;
    virtual QStringList ForwardTitles() const = 0;

    // Gives the page the keyboard focus (done only when a document is loaded).
    virtual void UIActivate() = 0;

    // The document supports the editing command and allows it now.
    virtual bool EditCommandEnabled(EditCommand command) const = 0;

signals:
    void TitleChange(const QString& text);
    void ProgressChange(int progress, int progressMax);
    void DocumentComplete();
    void StatusTextChange(const QString& text);
    void NewWindow2(NewWindowRequest& request);
    void BeforeNavigate2(const QString& url, bool& cancel);
    void NavigateComplete2(const QString& url, bool topLevel);
    void CommandStateChange(BrowserCommand command, bool enable);
    void WindowSetLeft(int value);
    void WindowSetTop(int value);
    void WindowSetWidth(int value);
    void WindowSetHeight(int value);
    void WindowSetResizable(bool resizable);
    void WindowClosing(bool& cancel);
    void Quit();
    void CloseQuery(bool& canClose);
    void ShowContextMenu();
    void SetSecureLockIcon(int value);
    void DownloadComplete();
};

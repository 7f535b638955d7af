#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>

class QKeyEvent;
class QWidget;
class TfrmPage;

// What the message hook needs of the main window.
class HookHost {
public:
    virtual ~HookHost() = default;

    virtual int PageCount() const = 0;
    virtual TfrmPage* ActivePage() const = 0;
    virtual QWidget* TopPanel() const = 0;
    virtual QWidget* SidePanel() const = 0; // none until the side bar exists
    virtual void FocusAddressBox() = 0;
    // Runs a command's handler directly, whatever the command's enabled state.
    virtual void RunHandler(const char* command) = 0;
    // Runs a command the framework's way: its rule, then the command if enabled.
    virtual void Execute(const char* command) = 0;
    virtual void SetUserClicked() = 0;
    virtual void ClearContextMenuShown() = 0;
    virtual void ResetHotButtons() = 0;
};

// The one application-wide hook that sees every input event of the main thread
// once, before it is delivered, routes the program's keys to commands wherever the focus
// is, and keeps the pop-up blocker's marks.
class MessageHook : public QObject {
    Q_OBJECT

public:
    explicit MessageHook(HookHost& host, QObject* parent = nullptr);
    ~MessageHook() override;

    // True when the event is dropped.
    bool filter(QObject* receiver, QEvent* event);

    // Ends the moment in which a user click lets a pop-up through.
    QTimer uTimer;

private:
    bool AppEventsMessage(QWidget* target, QEvent* event);
    bool systemKey(QWidget* target, QKeyEvent* key);
    bool controlKey(QWidget* target, QKeyEvent* key);
    bool plainKey(QWidget* target, QKeyEvent* key);
    // Shortcuts are taken before a key is delivered; keep them from firing for the
    // keys the hook decides.
    bool shortcutOverride(QWidget* target, QKeyEvent* key);
    void sendToBrowser(QKeyEvent* key);

    bool insideBrowser(const QWidget* target) const;
    bool insidePage(const QWidget* target) const;

    HookHost& host_;
    // The key the hook hands to a browser itself goes through unseen; the shortcut
    // check that comes with it still keeps the menus from taking it.
    bool sending_ = false;
};

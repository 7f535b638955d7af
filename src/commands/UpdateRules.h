#pragma once

#include <QObject>

class Commands;
class QAction;
class TfrmPage;

// What the update rules look at in the main window.
class CommandContext {
public:
    virtual ~CommandContext() = default;

    virtual int PageCount() const = 0;
    virtual TfrmPage* ActivePage() const = 0;
    virtual TfrmPage* MenuPage() const = 0; // the page whose tab menu is open
    virtual bool AddressBoxHasText() const = 0;
    // Checked states kept by other parts: the bar, band and on-line commands.
    virtual bool IsChecked(const QAction* command) const = 0;
    virtual void StripToolBarAccelerators() = 0;
};

// Runs every command's update rule when the interface goes idle, and before a
// command runs through the framework.
class UpdateRules : public QObject {
    Q_OBJECT

public:
    UpdateRules(Commands& commands, CommandContext& context, QObject* parent = nullptr);

    void UpdateAll();
    void Update(QAction* command);
    // Runs a command the framework's way: its rule first, then, when enabled, the
    // command (an auto-check command flips its mark first).
    void Execute(QAction* command);

private:
    void stripToolBarAccelerators();

    Commands& commands_;
    CommandContext& context_;
    bool clipboardHasText_ = false;
    bool updating_ = false;
    bool stripPending_ = false;
};

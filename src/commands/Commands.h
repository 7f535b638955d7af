#pragma once

#include <QKeySequence>
#include <QObject>

#include <vector>

class QAction;
class QActionGroup;

// How a command's enabled and checked states follow the program (run when the
// interface goes idle).
enum class UpdateRule {
    None,
    U1,  // a page is open
    U2,  // the active page reports a location address
    U3,  // the active page holds a document
    U4,  // the clipboard holds text
    U5,  // the address box holds text
    U6,  // the tab menu's page reports a location address
    U7,  // the tab menu is open for a page
    U8,  // two pages are open
    U9,  // the tab menu is open and two pages are open
    U10, // the tab menu's page can be maximized
    U11, // the tab menu's page can be minimized
    U12, // the tab menu's page can be restored
    U13, // the active page can go back (forward)
    U14, // the active document can run the editing command
    U15, // checked while off-line
    U16, // checked while its band shows
    U17, // the zoom commands
    U18, // checked while its bar shows
    U19, // tool-bar captions only
};

// The command table: every user command of the main window as a QAction, in
// declaration order, found by its name. Captions, shortcuts, hints, images,
// auto-check, groups and tags are set here; handlers are connected by the parts
// that own them.
class Commands : public QObject {
    Q_OBJECT

public:
    explicit Commands(QObject* parent = nullptr);

    // The command of that name; the name must be one of the table's.
    QAction* operator[](const char* name) const;
    const std::vector<QAction*>& all() const { return actions_; }

    static UpdateRule ruleOf(const QAction* action);
    // The key shown beside the command; empty for most.
    static QKeySequence shortcutOf(const QAction* action);

    // The command a key that reached the main window unhandled runs, if any.
    QAction* findByShortcut(const QKeySequence& keys) const;

private:
    std::vector<QAction*> actions_;
};

// A command's Default property: its menu entries are drawn bold.
void SetDefault(QAction* action, bool isDefault);
bool IsDefault(const QAction* action);

#pragma once

#include "commands/BarEntry.h"

#include <QObject>
#include <QPoint>
#include <QString>

#include <vector>

class QMenu;
class QMenuBar;
class QToolBar;
class QWidget;

// The action manager amMain: the action bars, each an entry tree bound to the
// control that shows it, in a fixed order. It builds menus and tool bars from the
// trees; an entry's state follows its command.
class ActionManager : public QObject {
    Q_OBJECT

public:
    struct ActionBar {
        QString name;
        QWidget* control = nullptr; // none for a bar whose control does not exist
        BarEntry root;
    };

    using QObject::QObject;

    // Appends a bar; its index is its place in the collection.
    int AddBar(const QString& name, QWidget* control, BarEntry root);
    std::vector<ActionBar>& bars() { return bars_; }

    // The first bar bound to the control, skipping bars without one; -1 when none.
    int FindActionBarIndex(const QWidget* control) const;
    // The first child whose caption without "&" is the text; -1 when none.
    static int FindItemByCaption(const BarEntry& item, const QString& text);
    // Shows the item's children as a pop-up menu at the screen point; returns once
    // the menu has closed, after the chosen command has run.
    static void PopupActionBar(QWidget* owner, BarEntry& item, QPoint at);

    // Builds the bar's entries into a menu bar or a tool bar.
    static void BuildMenuBar(QMenuBar* bar, BarEntry& root);
    static void BuildToolBar(QToolBar* bar, BarEntry& root);
    static void BuildMenu(QMenu* menu, std::vector<BarEntry>& entries);

    // Takes the "&" out of the captions of the tool bar's top-level entries.
    void StripToolBarAccelerators(const QWidget* mainToolBar);

private:
    std::vector<ActionBar> bars_;
};

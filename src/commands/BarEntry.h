#pragma once

#include <QString>

#include <vector>

class QAction;

// One entry of a bar's tree: a menu item, a tool-bar button or a group of a
// pop-up menu. It shows its command's caption unless it has one of its own; the
// caption "-" makes a separator. Children form a sub-menu, or a drop-down on a
// tool bar (a split button).
struct BarEntry {
    QString caption;
    QAction* action = nullptr;
    int imageIndex = -1;  // -1: the command's own image
    QString shortcutText; // shown beside the caption only; it binds no key
    bool showCaption = true;
    bool visible = true;
    std::vector<BarEntry> children;
    QAction* rendered = nullptr; // what shows the entry in its bar, once built

    bool isSeparator() const { return caption == QStringLiteral("-"); }
    // The caption shown: the entry's own, else the command's.
    QString shownCaption() const;
};

// Builders for readable trees.
BarEntry Separator();
// An entry for a command, showing the command's caption, or its own when given.
BarEntry Entry(QAction* action, const QString& caption = {}, int imageIndex = -1,
               const QString& shortcutText = {});
// An entry without a command that holds others.
BarEntry Group(const QString& caption, std::vector<BarEntry> children, int imageIndex = -1);

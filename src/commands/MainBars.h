#pragma once

#include "commands/BarEntry.h"

class Commands;

// The entry trees of the main window's bars. Each returns the bar's root, named
// after the bar, whose children are the bar's top-level entries.
BarEntry MainMenuTree(const Commands& c);
BarEntry MainToolBarTree(const Commands& c);
BarEntry GoBarTree(const Commands& c);
BarEntry LinksMenuTree(const Commands& c);
// Four groups, each one pop-up menu, found by their captions: "TabContextMenu",
// "TrayIconMenu", "FavoContext" and "HistContext".
BarEntry PopupMenusTree(const Commands& c);
BarEntry ToolBarSearchTree(const Commands& c);
BarEntry ToolBarFavoritesTree(const Commands& c);
BarEntry ToolBarHistoryTree(const Commands& c);

#pragma once

#include "app/SettingsStore.h"

#include <QObject>

#include <utility>
#include <vector>

class Commands;
class QAction;
class QMainWindow;
class QMenuBar;
class QWidget;

// What the layout needs of the main window.
class LayoutHost {
public:
    virtual ~LayoutHost() = default;
    // The window was last maximized by the user, or is hidden: its size is not stored.
    virtual bool KeepsStoredSize() const = 0;
    virtual void FitMaximizedPages() = 0;
};

// The main window's arrangement: the five bar switches, the stored window size,
// full screen, and the place of the maximized page's system buttons.
class WindowLayout : public QObject {
    Q_OBJECT

public:
    struct Panels {
        QMainWindow* window;
        QMenuBar* menuBar;
        QWidget* buttons;
        QWidget* address;
        QWidget* links;
        QWidget* bottom;
        QWidget* tabs;
        QWidget* status;
        QWidget* systemButtons;
    };

    WindowLayout(Panels panels, const SettingsStore& settings, const Commands& commands,
                 LayoutHost& host, QObject* parent = nullptr);

    // Shows or hides each bar as its setting says.
    void ShowBars();
    void FormResize();
    void actFullScreenExecute(bool fullScreen);
    // Whether the bar that the switch command stands for shows.
    bool IsBarShown(const QAction* command) const;

private:
    std::pair<QWidget*, Setting> barOf(const QAction* command) const;
    void switchBar(const QAction* command, bool shown);
    void fitBottomPanel();

    Panels p_;
    const SettingsStore& settings_;
    const Commands& commands_;
    LayoutHost& host_;
    // The bars' visibility and the window's state from before full screen.
    std::vector<std::pair<QWidget*, bool>> SavedBarVisibility;
    Qt::WindowStates SavedWindowState;
};

#include "commands/WindowLayout.h"

#include "commands/Commands.h"

#include <QAction>
#include <QMainWindow>
#include <QMenuBar>
#include <QScreen>

namespace {

const char* const BarSwitches[] = {"actStandardButtons", "actAddressBar", "actLinksBar",
                                   "actStatusBar", "actPageTabs"};

} // namespace

WindowLayout::WindowLayout(Panels panels, const SettingsStore& settings, const Commands& commands,
                           LayoutHost& host, QObject* parent)
    : QObject(parent), p_(panels), settings_(settings), commands_(commands), host_(host) {
    for (const char* name : BarSwitches) {
        QAction* command = commands_[name];
        connect(command, &QAction::triggered, this,
                [this, command](bool checked) { switchBar(command, checked); });
    }
    connect(commands_["actFullScreen"], &QAction::triggered, this,
            &WindowLayout::actFullScreenExecute);
}

std::pair<QWidget*, Setting> WindowLayout::barOf(const QAction* command) const {
    if (command == commands_["actStandardButtons"])
        return {p_.buttons, Setting::ButtonsBar};
    if (command == commands_["actAddressBar"])
        return {p_.address, Setting::AddressBar};
    if (command == commands_["actLinksBar"])
        return {p_.links, Setting::Linksbar};
    if (command == commands_["actStatusBar"])
        return {p_.status, Setting::StatusBar};
    return {p_.tabs, Setting::TabsBar};
}

void WindowLayout::ShowBars() {
    for (const char* name : BarSwitches) {
        const auto [bar, key] = barOf(commands_[name]);
        bar->setVisible(settings_.ReadFlag(key));
    }
}

bool WindowLayout::IsBarShown(const QAction* command) const {
    return barOf(command).first->isVisibleTo(p_.window);
}

void WindowLayout::switchBar(const QAction* command, bool shown) {
    const auto [bar, key] = barOf(command);
    bar->setVisible(shown);
    settings_.WriteFlag(key, shown);
    fitBottomPanel();
    FormResize();
}

void WindowLayout::fitBottomPanel() {
    // With neither the tabs nor the status bar the bottom panel goes too.
    p_.bottom->setVisible(!p_.tabs->isHidden() || !p_.status->isHidden());
}

void WindowLayout::FormResize() {
    const bool fullScreen = commands_["actFullScreen"]->isChecked();
    QMainWindow* window = p_.window;
    const QSize screen = window->screen()->size();
    p_.systemButtons->move(fullScreen ? screen.width() - 68 : window->width() - 76, 5);
    host_.FitMaximizedPages();
    if (host_.KeepsStoredSize())
        return;
    if (window->height() >= 200 && window->height() <= screen.height())
        settings_.WriteInteger(Setting::Height, window->height());
    if (window->width() >= 300 && window->width() <= screen.width())
        settings_.WriteInteger(Setting::Width, window->width());
}

void WindowLayout::actFullScreenExecute(bool fullScreen) {
    QMainWindow* window = p_.window;
    if (fullScreen) {
        SavedBarVisibility.clear();
        for (QWidget* bar : {p_.links, p_.status, p_.buttons, p_.tabs, p_.address})
            SavedBarVisibility.emplace_back(bar, !bar->isHidden());
        p_.links->hide();
        p_.status->hide();
        p_.menuBar->hide();
        for (QWidget* bar : {p_.buttons, p_.address, p_.tabs, p_.bottom})
            bar->show();
        SavedWindowState = window->windowState();
        window->showFullScreen();
    } else {
        if (SavedWindowState & Qt::WindowMaximized)
            window->showMaximized();
        else if (!(SavedWindowState & Qt::WindowMinimized))
            window->showNormal();
        window->activateWindow();
        for (const auto& [bar, visible] : SavedBarVisibility)
            bar->setVisible(visible);
        p_.menuBar->show();
        fitBottomPanel();
    }
    FormResize();
}

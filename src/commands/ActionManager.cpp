#include "commands/ActionManager.h"

#include "app/TextHelpers.h"
#include "commands/Commands.h"
#include "ui/MainImages.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>

namespace {

// What shows one entry: its caption and picture, with enabled, checked and
// visible states and the bold face following the entry's command.
class EntryAction : public QAction {
public:
    EntryAction(BarEntry& entry, bool inMenu, QObject* parent)
        : QAction(parent), entry_(entry), inMenu_(inMenu) {
        entry.rendered = this;
        if (entry.imageIndex >= 0)
            setIcon(MainIcon(entry.imageIndex));
        QAction* command = entry.action;
        if (!command) {
            setVisible(entry.visible);
            showCaption();
            return;
        }
        if (entry.imageIndex < 0)
            setIcon(command->icon());
        setToolTip(command->toolTip());
        connect(command, &QAction::changed, this, [this] { follow(); });
        connect(this, &QAction::triggered, command, [this, command] {
            // Our own check mark flipped with the click; the command's is the one that counts.
            command->trigger();
            follow();
        });
        follow();
    }

    void showCaption() {
        QString text = entry_.shownCaption();
        if (inMenu_ && !entry_.shortcutText.isEmpty())
            text += '\t' + entry_.shortcutText;
        if (text != this->text())
            setText(text);
    }

private:
    void follow() {
        QAction* command = entry_.action;
        setEnabled(command->isEnabled());
        setCheckable(command->isCheckable());
        setChecked(command->isChecked());
        setVisible(command->isVisible());
        setFont(command->font());
        showCaption();
    }

    BarEntry& entry_;
    bool inMenu_;
};

// A sub-menu holder's own item follows its command's visibility and picture.
void followHolder(QMenu* menu, BarEntry& entry) {
    QAction* item = menu->menuAction();
    entry.rendered = item;
    if (entry.imageIndex >= 0)
        item->setIcon(MainIcon(entry.imageIndex));
    QAction* command = entry.action;
    if (!command) {
        item->setVisible(entry.visible);
        return;
    }
    if (entry.imageIndex < 0)
        item->setIcon(command->icon());
    auto follow = [item, command] {
        item->setVisible(command->isVisible());
        item->setEnabled(command->isEnabled());
        item->setFont(command->font());
    };
    QObject::connect(command, &QAction::changed, item, follow);
    follow();
}

} // namespace

int ActionManager::AddBar(const QString& name, QWidget* control, BarEntry root) {
    bars_.push_back({name, control, std::move(root)});
    return int(bars_.size()) - 1;
}

int ActionManager::FindActionBarIndex(const QWidget* control) const {
    for (std::size_t i = 0; i < bars_.size(); ++i)
        if (bars_[i].control && bars_[i].control == control)
            return int(i);
    return -1;
}

int ActionManager::FindItemByCaption(const BarEntry& item, const QString& text) {
    for (std::size_t i = 0; i < item.children.size(); ++i)
        if (RemoveAll(item.children[i].shownCaption(), QStringLiteral("&")) == text)
            return int(i);
    return -1;
}

void ActionManager::PopupActionBar(QWidget* owner, BarEntry& item, QPoint at) {
    QMenu menu(owner);
    BuildMenu(&menu, item.children);
    menu.exec(at);
}

void ActionManager::BuildMenu(QMenu* menu, std::vector<BarEntry>& entries) {
    for (BarEntry& entry : entries) {
        if (entry.isSeparator()) {
            menu->addSeparator();
        } else if (!entry.children.empty()) {
            QMenu* sub = menu->addMenu(entry.shownCaption());
            followHolder(sub, entry);
            BuildMenu(sub, entry.children);
        } else {
            menu->addAction(new EntryAction(entry, true, menu));
        }
    }
}

void ActionManager::BuildMenuBar(QMenuBar* bar, BarEntry& root) {
    for (BarEntry& entry : root.children) {
        if (entry.isSeparator()) {
            bar->addSeparator();
            continue;
        }
        QMenu* menu = bar->addMenu(entry.shownCaption());
        followHolder(menu, entry);
        BuildMenu(menu, entry.children);
    }
}

void ActionManager::BuildToolBar(QToolBar* bar, BarEntry& root) {
    for (BarEntry& entry : root.children) {
        if (entry.isSeparator()) {
            bar->addSeparator();
            continue;
        }
        auto* action = new EntryAction(entry, false, bar);
        auto* button = new QToolButton(bar);
        button->setDefaultAction(action);
        button->setToolButtonStyle(entry.showCaption ? Qt::ToolButtonTextBesideIcon
                                                     : Qt::ToolButtonIconOnly);
        button->setAutoRaise(true);
        if (!entry.children.empty()) {
            auto* menu = new QMenu(button);
            BuildMenu(menu, entry.children);
            button->setMenu(menu);
            button->setPopupMode(QToolButton::MenuButtonPopup);
        }
        // The button shows and hides with its entry.
        QAction* place = bar->addWidget(button);
        auto follow = [place, action] { place->setVisible(action->isVisible()); };
        connect(action, &QAction::changed, place, follow);
        follow();
    }
}

void ActionManager::StripToolBarAccelerators(const QWidget* mainToolBar) {
    const int index = FindActionBarIndex(mainToolBar);
    if (index < 0)
        return;
    for (BarEntry& entry : bars_[std::size_t(index)].root.children) {
        const QString stripped = RemoveAll(entry.shownCaption(), QStringLiteral("&"));
        if (entry.isSeparator() || stripped == entry.shownCaption())
            continue;
        entry.caption = stripped;
        if (auto* shown = dynamic_cast<EntryAction*>(entry.rendered))
            shown->showCaption();
    }
}

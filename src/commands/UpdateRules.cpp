#include "commands/UpdateRules.h"

#include "commands/Commands.h"
#include "pages/TfrmPage.h"

#include <QAbstractEventDispatcher>
#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QThread>

UpdateRules::UpdateRules(Commands& commands, CommandContext& context, QObject* parent)
    : QObject(parent), commands_(commands), context_(context) {
    // The clipboard is asked when it changes, not at every idle moment.
    QClipboard* clipboard = QGuiApplication::clipboard();
    auto readClipboard = [this, clipboard] {
        const QMimeData* data = clipboard->mimeData();
        clipboardHasText_ = data && data->hasText() && !data->text().isEmpty();
    };
    readClipboard();
    connect(clipboard, &QClipboard::dataChanged, this, readClipboard);
    if (QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance(thread()))
        connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, this, &UpdateRules::UpdateAll);
}

void UpdateRules::UpdateAll() {
    // Rules may touch widgets, whose events could bring us back here.
    if (updating_)
        return;
    updating_ = true;
    for (QAction* command : commands_.all())
        Update(command);
    // Once for all the rules that ask for it.
    if (stripPending_)
        context_.StripToolBarAccelerators();
    stripPending_ = false;
    updating_ = false;
}

void UpdateRules::stripToolBarAccelerators() {
    if (updating_)
        stripPending_ = true;
    else
        context_.StripToolBarAccelerators();
}

void UpdateRules::Update(QAction* command) {
    const int pages = context_.PageCount();
    TfrmPage* active = pages > 0 ? context_.ActivePage() : nullptr;
    TfrmPage* menuPage = context_.MenuPage();
    const bool document = active && active->WB().HasDocument();
    auto located = [](const TfrmPage* page) { return page && !page->WB().LocationURL().isEmpty(); };
    switch (Commands::ruleOf(command)) {
    case UpdateRule::None:
        return;
    case UpdateRule::U1:
        command->setEnabled(pages > 0);
        break;
    case UpdateRule::U2:
        command->setEnabled(located(active));
        break;
    case UpdateRule::U3:
    case UpdateRule::U17:
        command->setEnabled(document);
        break;
    case UpdateRule::U4:
        command->setEnabled(clipboardHasText_);
        break;
    case UpdateRule::U5:
        command->setEnabled(context_.AddressBoxHasText());
        break;
    case UpdateRule::U6:
        command->setEnabled(located(menuPage));
        break;
    case UpdateRule::U7:
        command->setEnabled(menuPage != nullptr);
        break;
    case UpdateRule::U8:
        command->setEnabled(pages >= 2);
        break;
    case UpdateRule::U9:
        command->setEnabled(menuPage && pages >= 2);
        break;
    case UpdateRule::U10:
        command->setEnabled(menuPage && (menuPage->isMinimized() || !menuPage->Maximized));
        break;
    case UpdateRule::U11:
        command->setEnabled(menuPage && !menuPage->isMinimized());
        break;
    case UpdateRule::U12:
        command->setEnabled(menuPage && (menuPage->isMinimized() || menuPage->Maximized));
        break;
    case UpdateRule::U13: {
        const bool forward = command == commands_["actForward"];
        command->setEnabled(active && (forward ? active->CanGoForward : active->CanGoBack));
        stripToolBarAccelerators();
        break;
    }
    case UpdateRule::U14: {
        static const std::pair<const char*, EditCommand> editing[] = {
            {"actCopy", EditCommand::Copy},
            {"actCut", EditCommand::Cut},
            {"actPaste", EditCommand::Paste},
            {"actSelectAll", EditCommand::SelectAll},
        };
        bool enabled = false;
        for (const auto& [name, edit] : editing)
            if (command == commands_[name])
                enabled = document && active->WB().EditCommandEnabled(edit);
        command->setEnabled(enabled);
        break;
    }
    case UpdateRule::U15:
    case UpdateRule::U16:
    case UpdateRule::U18:
        command->setChecked(context_.IsChecked(command));
        break;
    case UpdateRule::U19:
        stripToolBarAccelerators();
        break;
    }
}

void UpdateRules::Execute(QAction* command) {
    Update(command);
    if (command->isEnabled())
        command->trigger();
}

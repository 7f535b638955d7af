#include "commands/MessageHook.h"

#include "app/CorvaneApplication.h"
#include "pages/TfrmPage.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace {

bool within(const QWidget* target, const QWidget* ancestor) {
    return target && ancestor && (target == ancestor || ancestor->isAncestorOf(target));
}

// The editing message the key stands for, sent to a field outside the pages.
void editField(QWidget* target, int key) {
    auto apply = [key](auto* field) {
        switch (key) {
        case Qt::Key_A:
            field->selectAll();
            break;
        case Qt::Key_X:
            field->cut();
            break;
        case Qt::Key_C:
            field->copy();
            break;
        case Qt::Key_V:
            field->paste();
            break;
        }
    };
    if (auto* combo = qobject_cast<QComboBox*>(target); combo && combo->lineEdit())
        apply(combo->lineEdit());
    else if (auto* edit = qobject_cast<QLineEdit*>(target))
        apply(edit);
    else if (auto* text = qobject_cast<QTextEdit*>(target))
        apply(text);
    else if (auto* plain = qobject_cast<QPlainTextEdit*>(target))
        apply(plain);
}

// The hook that is in place: the one made last.
MessageHook* installed = nullptr;

bool isMenuLetter(int key) {
    switch (key) {
    case Qt::Key_F:
    case Qt::Key_E:
    case Qt::Key_V:
    case Qt::Key_N:
    case Qt::Key_A:
    case Qt::Key_T:
    case Qt::Key_W:
    case Qt::Key_H:
        return true;
    default:
        return false;
    }
}

bool isModifier(int key) {
    return key == Qt::Key_Alt || key == Qt::Key_Control || key == Qt::Key_Shift ||
           key == Qt::Key_Meta || key == Qt::Key_AltGr;
}

} // namespace

MessageHook::MessageHook(HookHost& host, QObject* parent) : QObject(parent), host_(host) {
    uTimer.setInterval(1);
    uTimer.setSingleShot(true);
    installed = this;
    CorvaneApplication::SetEventHook(
        [this](QObject* receiver, QEvent* event) { return filter(receiver, event); });
}

MessageHook::~MessageHook() {
    // A newer hook may have taken over already; it stays.
    if (installed == this) {
        installed = nullptr;
        CorvaneApplication::SetEventHook({});
    }
}

bool MessageHook::filter(QObject* receiver, QEvent* event) {
    auto* target = qobject_cast<QWidget*>(receiver);
    if (!target || (sending_ && event->type() == QEvent::KeyPress))
        return false;
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::ShortcutOverride:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseMove:
    case QEvent::Wheel:
        break;
    default:
        return false;
    }
    // A menu runs its own loop, which the hook never saw: a page's context menu
    // keeps its mark until the chosen entry has run.
    for (const QWidget* w = target; w; w = w->parentWidget())
        if (qobject_cast<const QMenu*>(w))
            return false;
    return AppEventsMessage(target, event);
}

bool MessageHook::AppEventsMessage(QWidget* target, QEvent* event) {
    if (event->type() != QEvent::ShortcutOverride)
        host_.ClearContextMenuShown();
    switch (event->type()) {
    case QEvent::MouseMove:
        if (target->window() != target)
            host_.ResetHotButtons();
        return false;
    case QEvent::ShortcutOverride:
        return shortcutOverride(target, static_cast<QKeyEvent*>(event));
    case QEvent::KeyPress: {
        auto* key = static_cast<QKeyEvent*>(event);
        const Qt::KeyboardModifiers mods = key->modifiers();
        if ((mods & Qt::AltModifier) && !(mods & Qt::ControlModifier))
            return systemKey(target, key);
        if (mods & Qt::ControlModifier)
            return controlKey(target, key);
        return plainKey(target, key);
    }
    case QEvent::MouseButtonRelease:
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton && host_.PageCount() > 0 &&
            insideBrowser(target))
            host_.SetUserClicked();
        return false;
    case QEvent::Wheel: {
        QWidget* top = host_.TopPanel();
        QWidget* side = host_.SidePanel();
        const bool inPanel = (top && top != target && top->isAncestorOf(target)) ||
                             (side && side != target && side->isAncestorOf(target));
        if (!inPanel && host_.PageCount() > 0) {
            TfrmPage* page = host_.ActivePage();
            page->setFocus();
            if (page->WB().HasDocument())
                page->WB().UIActivate();
        }
        return false;
    }
    default:
        return false;
    }
}

bool MessageHook::shortcutOverride(QWidget* target, QKeyEvent* key) {
    // The keys the hook routes are claimed here, so that no shortcut of a widget
    // (a sub-window's Ctrl+F4, say) takes them before they arrive.
    const Qt::KeyboardModifiers mods = key->modifiers();
    const int k = key->key();
    if (isModifier(k))
        return false;
    bool claimed = false;
    if ((mods & Qt::AltModifier) && !(mods & Qt::ControlModifier)) {
        // Outside the pages the menu letters open their menus as usual.
        claimed = !isMenuLetter(k) || (host_.PageCount() > 0 && insideBrowser(target));
    } else if (mods & Qt::ControlModifier) {
        switch (k) {
        case Qt::Key_A:
        case Qt::Key_C:
        case Qt::Key_X:
        case Qt::Key_V:
        case Qt::Key_N:
        case Qt::Key_O:
        case Qt::Key_S:
        case Qt::Key_P:
        case Qt::Key_F:
        case Qt::Key_F4:
        case Qt::Key_Up:
        case Qt::Key_Down:
            claimed = true;
            break;
        default:
            break;
        }
    } else {
        claimed = k == Qt::Key_Escape || k == Qt::Key_F5 || k == Qt::Key_F1 || k == Qt::Key_F11;
    }
    if (claimed)
        key->accept();
    return claimed;
}

bool MessageHook::systemKey(QWidget* target, QKeyEvent* key) {
    const bool page = host_.PageCount() > 0;
    switch (key->key()) {
    case Qt::Key_D:
        host_.FocusAddressBox();
        return true;
    case Qt::Key_Home:
        host_.RunHandler("actHome");
        return true;
    case Qt::Key_Left:
        host_.RunHandler("actBack");
        return true;
    case Qt::Key_Right:
        host_.RunHandler("actForward");
        return true;
    default:
        break;
    }
    if (isModifier(key->key()))
        return false;
    if (isMenuLetter(key->key())) {
        if (!page || !insideBrowser(target))
            return false;
        sendToBrowser(key);
        return true;
    }
    if (page)
        sendToBrowser(key);
    return true;
}

bool MessageHook::controlKey(QWidget* target, QKeyEvent* key) {
    const bool inPage = host_.PageCount() > 0 && insidePage(target);
    switch (key->key()) {
    case Qt::Key_A:
        if (inPage) {
            host_.RunHandler("actSelectAll");
            return false;
        }
        editField(target, Qt::Key_A);
        return true;
    case Qt::Key_C:
        if (inPage) {
            host_.RunHandler("actCopy");
            return false;
        }
        editField(target, Qt::Key_C);
        return true;
    case Qt::Key_X:
    case Qt::Key_V:
        if (inPage)
            return false;
        editField(target, key->key());
        return true;
    case Qt::Key_N:
        host_.RunHandler("actNew");
        return true;
    case Qt::Key_O:
        host_.RunHandler("actOpen");
        return true;
    case Qt::Key_S:
        host_.RunHandler("actSave");
        return true;
    case Qt::Key_P:
        host_.RunHandler("actPrintDlg");
        return true;
    case Qt::Key_F:
        host_.RunHandler("actFind");
        return true;
    case Qt::Key_F4:
        host_.RunHandler(key->modifiers() & Qt::ShiftModifier ? "actCloseAll" : "actClose");
        return true;
    case Qt::Key_Up:
        host_.RunHandler("actPreviousPage");
        return true;
    case Qt::Key_Down:
        host_.RunHandler("actNextPage");
        return true;
    default:
        return false;
    }
}

bool MessageHook::plainKey(QWidget* target, QKeyEvent* key) {
    const bool shift = key->modifiers() & Qt::ShiftModifier;
    switch (key->key()) {
    case Qt::Key_Escape:
        host_.RunHandler(shift ? "actStopAll" : "actStop");
        return true;
    case Qt::Key_F5:
        host_.RunHandler(shift ? "actRefreshAll" : "actRefresh");
        return true;
    case Qt::Key_F1:
        host_.Execute("actHelp");
        return true;
    case Qt::Key_F11:
        host_.Execute("actFullScreen");
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // The key goes on to the page once, as usual; the mark is set before it arrives.
        if (host_.PageCount() > 0 && insideBrowser(target))
            host_.SetUserClicked();
        return false;
    default:
        return false;
    }
}

void MessageHook::sendToBrowser(QKeyEvent* key) {
    QWidget* browser = host_.ActivePage()->WB().widget();
    QWidget* receiver = browser->focusProxy() ? browser->focusProxy() : browser;
    QKeyEvent copy(key->type(), key->key(), key->modifiers(), key->nativeScanCode(),
                   key->nativeVirtualKey(), key->nativeModifiers(), key->text(),
                   key->isAutoRepeat(), ushort(key->count()));
    sending_ = true;
    QCoreApplication::sendEvent(receiver, &copy);
    sending_ = false;
}

bool MessageHook::insideBrowser(const QWidget* target) const {
    const TfrmPage* page = host_.ActivePage();
    return page && within(target, page->WB().widget());
}

bool MessageHook::insidePage(const QWidget* target) const {
    return within(target, host_.ActivePage());
}

#include "pages/PageList.h"

#include "app/SettingsSnapshot.h"
#include "pages/PageHost.h"
#include "pages/TTabButton.h"
#include "pages/TabStrip.h"
#include "pages/TfrmPage.h"

#include <QGuiApplication>
#include <QMdiArea>

#include <algorithm>

namespace {

// The state of the keys as of the event being handled.
bool CtrlHeld() {
    return QGuiApplication::keyboardModifiers() & Qt::ControlModifier;
}

} // namespace

PageList::PageList(PageHost& host, QMdiArea& area, TabStrip& tabs, BrowserFactory makeBrowser,
                   QObject* parent)
    : QObject(parent), host_(host), area_(area), tabs_(tabs), makeBrowser_(std::move(makeBrowser)) {
    connect(&area_, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* window) {
        if (auto* page = qobject_cast<TfrmPage*>(window); page && !page->Closing) {
            PageActivated(page);
            page->FormActivate();
        }
    });
    connect(&tabs_, &TabStrip::tabClicked, this, &PageList::TabClick);
    connect(&tabs_, &TabStrip::tabDoubleClicked, this, &PageList::TabDblClick);
    connect(&tabs_, &TabStrip::tabMiddleClicked, this, &PageList::TabMiddleClick);
}

PageList::~PageList() {
    // Pages go before the parts they report to.
    for (TfrmPage* page : std::vector<TfrmPage*>(order_)) {
        page->SetPageClosing(true);
        delete page;
    }
}

TfrmPage* PageList::Page(int index) const {
    return index >= 0 && index < PageCount() ? order_[size_t(index)] : nullptr;
}

bool PageList::IsActivePage(const TfrmPage* page) const {
    return !order_.empty() && order_.front() == page;
}

void PageList::PageActivated(TfrmPage* page) {
    std::erase(order_, page);
    order_.insert(order_.begin(), page);
}

void PageList::PageClosing(TfrmPage* page) {
    std::erase(order_, page);
    if (ContextPage == page)
        ContextPage = nullptr;
}

TfrmPage* PageList::NewPage(bool asPopup, bool foreground) {
    TfrmPage* previous = Page(0);
    auto* page = new TfrmPage(host_, makeBrowser_());
    area_.addSubWindow(page);
    order_.push_back(page);
    const bool inFront = foreground && !CtrlHeld();
    // Where the system would put a new window: a cascade down the page area.
    const int step = 24 * int(order_.size() - 1) % std::max(1, host_.PageAreaHeight() / 2);
    page->move(step, step);
    page->SaveGeometry();
    page->AsPopup = asPopup;
    page->DeferGeometry = !(inFront && host_.Snapshot().PopupForeground);
    const int parking = host_.TopPanelWidth() + 100;
    if (asPopup) {
        if (page->DeferGeometry) {
            page->move(parking, page->y());
            page->show();
            if (previous)
                previous->BringToFront();
        }
        return page;
    }
    if (host_.Snapshot().OpenMax)
        page->MaximizePage();
    if (inFront) {
        page->BringToFront();
    } else {
        const int left = page->x();
        page->move(parking, page->y());
        page->show();
        if (previous)
            previous->BringToFront();
        page->move(left, page->y());
    }
    return page;
}

TfrmPage* PageList::TopMaximizedPage() const {
    const auto it = std::find_if(order_.begin(), order_.end(), [](const TfrmPage* p) {
        return !p->IsPageMuted() && p->Maximized && !p->isMinimized();
    });
    return it == order_.end() ? nullptr : *it;
}

TfrmPage* PageList::pageOf(const TTabButton* tab) const {
    const auto it = std::find_if(order_.begin(), order_.end(),
                                 [tab](const TfrmPage* p) { return p->Tab == tab; });
    return it == order_.end() ? nullptr : *it;
}

void PageList::TabClick(TTabButton* tab) {
    TfrmPage* page = pageOf(tab);
    if (!page)
        return;
    if (CtrlHeld()) {
        // Closed without being activated: the active page's tab stays down.
        if (TfrmPage* active = Page(0))
            active->Tab->setChecked(true);
        page->PostClose();
    } else if (page->isMinimized()) {
        page->PostSysCommand(page->Maximized ? TfrmPage::SysCommand::Maximize
                                             : TfrmPage::SysCommand::Restore);
    } else {
        page->BringToFront();
    }
}

void PageList::TabDblClick(TTabButton* tab) {
    if (TfrmPage* page = pageOf(tab); page && host_.Snapshot().LDbClickClose)
        page->PostClose();
}

void PageList::TabMiddleClick(TTabButton* tab) {
    if (TfrmPage* page = pageOf(tab); page && host_.Snapshot().MClickClose)
        page->PostClose();
}

void PageList::TabRightClick(TTabButton* tab, const std::function<void()>& showMenu) {
    TfrmPage* page = pageOf(tab);
    if (!page)
        return;
    ContextPage = page;
    const bool wasDown = tab->isChecked();
    const bool wasPressed = tab->isDown();
    if (!wasDown && !wasPressed)
        tab->setDown(true);
    showMenu();
    // Closing all pages from the menu empties ContextPage.
    if (ContextPage) {
        if (wasDown) {
            tab->setChecked(true);
            ContextPage->BringToFront();
        } else if (tab->isDown() != wasPressed) {
            tab->setDown(wasPressed);
        }
    }
    ContextPage = nullptr;
}

void PageList::actPreviousPageExecute() {
    if (TTabButton* tab = tabs_.previousTab())
        if (TfrmPage* page = pageOf(tab))
            page->BringToFront();
}

void PageList::actNextPageExecute() {
    if (TTabButton* tab = tabs_.nextTab())
        if (TfrmPage* page = pageOf(tab))
            page->BringToFront();
}

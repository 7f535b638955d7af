#pragma once

#include <QObject>

#include <functional>
#include <vector>

class PageHost;
class QMdiArea;
class TTabButton;
class TabStrip;
class TfrmPage;
class WebBrowser;

// The pages as the program sees them: made only by NewPage, kept in the
// child-window order (the most recently activated first, the current page at the
// front), and mirrored by the tab strip, whose clicks land here.
class PageList : public QObject {
    Q_OBJECT

public:
    using BrowserFactory = std::function<WebBrowser*()>;

    PageList(PageHost& host, QMdiArea& area, TabStrip& tabs, BrowserFactory makeBrowser,
             QObject* parent = nullptr);
    ~PageList() override;

    int PageCount() const { return int(order_.size()); }
    TfrmPage* Page(int index) const;
    bool IsActivePage(const TfrmPage* page) const;
    const std::vector<TfrmPage*>& pages() const { return order_; }
    // The first page in the order that is maximized in the program's way.
    TfrmPage* TopMaximizedPage() const;

    TfrmPage* NewPage(bool asPopup, bool foreground);
    void PageClosing(TfrmPage* page);

    void TabClick(TTabButton* tab);
    void TabDblClick(TTabButton* tab);
    void TabMiddleClick(TTabButton* tab);
    // Shows the tab's menu with showMenu while ContextPage is the tab's page.
    void TabRightClick(TTabButton* tab, const std::function<void()>& showMenu);
    void actPreviousPageExecute();
    void actNextPageExecute();

    // The page whose tab menu is open.
    TfrmPage* ContextPage = nullptr;

private:
    void PageActivated(TfrmPage* page);
    TfrmPage* pageOf(const TTabButton* tab) const;

    PageHost& host_;
    QMdiArea& area_;
    TabStrip& tabs_;
    BrowserFactory makeBrowser_;
    std::vector<TfrmPage*> order_;
};

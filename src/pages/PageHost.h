#pragma once

#include "pages/WebBrowser.h"

#include <QSize>
#include <QString>

struct SettingsSnapshot;
class SettingsStore;
class TabStrip;
class TfrmPage;

// What a page window asks of the main window. The page never reaches into the
// main window's widgets; it reports through these operations.
class PageHost {
public:
    virtual ~PageHost() = default;

    virtual SettingsSnapshot& Snapshot() = 0;
    virtual const SettingsStore& Settings() const = 0;
    virtual DownloadOptions PageDownloadOptions() const = 0;
    virtual bool ClosingAll() const = 0;
    virtual void SetClosingAll(bool closing) = 0;
    virtual bool AddressTyping() const = 0;

    // The pages in child-window order: the most recently activated first.
    virtual int PageCount() const = 0;
    virtual TfrmPage* Page(int index) const = 0;
    virtual bool IsActivePage(const TfrmPage* page) const = 0;
    virtual TfrmPage* NewPage(bool asPopup, bool foreground) = 0;
    virtual void PageClosing(TfrmPage* page) = 0;

    virtual TabStrip& Tabs() = 0;
    virtual void ArrangeTabs() = 0;

    // The main window's state that speaks for the active page.
    virtual void ShowCaption(const QString& pageCaption) = 0;
    virtual void ShowAddress(const QString& address) = 0;
    virtual void ShowStatusText(const QString& text) = 0;
    virtual void ShowProgress(int position, int maximum) = 0;
    virtual void SetSecurityIcon(int value) = 0;
    virtual void FocusTopPanel() = 0;
    virtual void FocusAddressBox() = 0;

    // The caption buttons of a maximized page.
    virtual void ShowSystemButtons() = 0;
    virtual void UpdateSystemButtons() = 0;

    // The pop-up decision's marks and counter.
    virtual bool UserActed() const = 0;
    virtual void ResetUserAction() = 0;
    virtual void SetContextMenuShown() = 0;
    virtual void CountBlockedPopup() = 0;

    // Geometry of the page area: the size of a maximized page, the width of the
    // top panel and the height of the area.
    virtual QSize MaximizedPageSize() const = 0;
    virtual int TopPanelWidth() const = 0;
    virtual int PageAreaHeight() const = 0;
};

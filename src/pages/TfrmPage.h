#pragma once

#include <QMdiSubWindow>

class QWebEngineView;

// A page window: one web page in a child window of the main window's page area.
class TfrmPage : public QMdiSubWindow {
    Q_OBJECT

public:
    explicit TfrmPage(QWidget* parent = nullptr);

    // The page's current address; "about:blank" until it navigates.
    QString Address = QStringLiteral("about:blank");

    // Stores the address and starts the browser on it; an empty address does nothing.
    void NavigatePage(const QString& address);

    QWebEngineView* browser() const { return browser_; }

signals:
    void captionChanged(const QString& caption);

private:
    QWebEngineView* browser_;
};

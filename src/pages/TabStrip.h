#pragma once

#include <QPixmap>
#include <QWidget>

#include <vector>

class QButtonGroup;
class QFrame;
class TTabButton;

// How n tabs fill a strip of a given width: in rows of up to perRow tabs.
struct TabLayout {
    static constexpr int TabWidth = 160;
    static constexpr int MinTabWidth = 60;
    static constexpr int TabGap = 2;
    static constexpr int RowGap = 1;
    static constexpr int StripLeftMargin = 1;
    static constexpr int StripTopMargin = 1;
    static constexpr int TabHeight = 24;

    int width = 0;
    int perRow = 0;
    int rows = 0;
    int stripHeight = 0;

    // For n > 0 tabs. A strip too narrow for one tab gets one tab per row.
    static TabLayout Compute(int stripWidth, int n);
    QRect tabRect(int index) const;
};

// The strip of tab buttons, in the order their pages were created; exactly one
// tab is down. The strip knows tabs only; what a click means is its owner's.
class TabStrip : public QWidget {
    Q_OBJECT

public:
    explicit TabStrip(QWidget* parent = nullptr);

    void addTab(TTabButton* tab);
    void removeTab(TTabButton* tab);
    const std::vector<TTabButton*>& tabs() const { return tabs_; }

    // Lays the tabs out in rows and fits the strip's height to them; with no tab
    // the strip keeps its height.
    void ArrangeTabs();

    TTabButton* downTab() const;
    // The tab before or after the down one, wrapping around; none when no tab is down.
    TTabButton* previousTab() const;
    TTabButton* nextTab() const;

signals:
    void tabClicked(TTabButton* tab);
    void tabDoubleClicked(TTabButton* tab);
    void tabMiddleClicked(TTabButton* tab);
    void tabRightClicked(TTabButton* tab);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    TTabButton* neighbour(int step) const;

    QFrame* bvTabs_;
    QPixmap background_;
    QButtonGroup* group_;
    std::vector<TTabButton*> tabs_;
};

#include "pages/TabStrip.h"

#include "pages/TTabButton.h"
#include "ui/PageImages.h"

#include <QButtonGroup>
#include <QFrame>
#include <QPainter>

#include <algorithm>

TabLayout TabLayout::Compute(int stripWidth, int n) {
    TabLayout l;
    const int available = stripWidth - StripLeftMargin;
    if (available > n * (TabWidth + TabGap)) {
        l.width = TabWidth;
        l.perRow = n;
    } else if (available > n * (MinTabWidth + TabGap)) {
        l.width = available / n - TabGap;
        l.perRow = n;
    } else {
        l.width = MinTabWidth;
        const int t = stripWidth - 2 * StripLeftMargin + TabGap;
        l.perRow = t / (MinTabWidth + TabGap);
        const int rest = t % (MinTabWidth + TabGap);
        if (l.perRow == 0) // narrower than one tab: one tab a row, at the smallest width
            l.perRow = 1;
        else if (rest > l.perRow)
            l.width += rest / l.perRow;
    }
    l.rows = n / l.perRow + (n % l.perRow > 0 ? 1 : 0);
    l.stripHeight = l.rows * (TabHeight + RowGap) + 2 * StripTopMargin - RowGap + 1;
    return l;
}

QRect TabLayout::tabRect(int index) const {
    return QRect((index % perRow) * (width + TabGap) + StripLeftMargin,
                 (index / perRow) * (TabHeight + RowGap) + StripTopMargin, width, TabHeight);
}

TabStrip::TabStrip(QWidget* parent)
    : QWidget(parent), bvTabs_(new QFrame(this)), group_(new QButtonGroup(this)) {
    setObjectName(QStringLiteral("bpTabs"));
    bvTabs_->setObjectName(QStringLiteral("bvTabs"));
    bvTabs_->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    group_->setExclusive(true);
    setFixedHeight(TabLayout::Compute(TabLayout::TabWidth * 2, 1).stripHeight);
}

void TabStrip::addTab(TTabButton* tab) {
    tab->setParent(this);
    tab->setCheckable(true);
    tabs_.push_back(tab);
    group_->addButton(tab);
    connect(tab, &TTabButton::clicked, this, [this, tab] { emit tabClicked(tab); });
    connect(tab, &TTabButton::doubleClicked, this, [this, tab] { emit tabDoubleClicked(tab); });
    connect(tab, &TTabButton::middleClicked, this, [this, tab] { emit tabMiddleClicked(tab); });
    connect(tab, &TTabButton::rightClicked, this, [this, tab] { emit tabRightClicked(tab); });
    connect(tab, &QObject::destroyed, this, [this, tab] { std::erase(tabs_, tab); });
}

void TabStrip::removeTab(TTabButton* tab) {
    std::erase(tabs_, tab);
    group_->removeButton(tab);
    disconnect(tab, nullptr, this, nullptr);
    tab->hide();
    tab->setParent(nullptr);
}

void TabStrip::ArrangeTabs() {
    const int n = int(tabs_.size());
    if (n > 0) {
        const TabLayout layout = TabLayout::Compute(width(), n);
        for (int i = 0; i < n; ++i) {
            tabs_[i]->setGeometry(layout.tabRect(i));
            tabs_[i]->show();
        }
        if (layout.stripHeight != height())
            setFixedHeight(layout.stripHeight);
    }
    bvTabs_->setGeometry(0, height() - 2, width(), 2);
}

TTabButton* TabStrip::downTab() const {
    const auto it = std::find_if(tabs_.begin(), tabs_.end(),
                                 [](const TTabButton* t) { return t->isChecked(); });
    return it == tabs_.end() ? nullptr : *it;
}

TTabButton* TabStrip::previousTab() const {
    return neighbour(-1);
}

TTabButton* TabStrip::nextTab() const {
    return neighbour(+1);
}

TTabButton* TabStrip::neighbour(int step) const {
    const auto it = std::find(tabs_.begin(), tabs_.end(), downTab());
    if (it == tabs_.end())
        return nullptr;
    const int n = int(tabs_.size());
    return tabs_[((it - tabs_.begin()) + step + n) % n];
}

void TabStrip::paintEvent(QPaintEvent*) {
    // The picture is drawn once for each size, not at every repaint.
    if (background_.size() != size())
        background_ = TabStripBackground(size());
    QPainter(this).drawPixmap(0, 0, background_);
}

void TabStrip::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    ArrangeTabs();
}

#include "pages/StatusBar.h"

#include "ui/StatusImages.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QStackedLayout>

#include <algorithm>

namespace {

QLabel* picture(const QPixmap& pixmap, const QString& hint) {
    auto* label = new QLabel;
    label->setPixmap(pixmap);
    label->setAlignment(Qt::AlignCenter);
    label->setToolTip(hint);
    return label;
}

} // namespace

StatusBar::StatusBar(QWidget* parent)
    : QWidget(parent), fpStatusText_(new QLabel), fpStopper_(new QLabel(QStringLiteral("0 "))),
      ImgSecure_(picture(SecureImage(), QStringLiteral("你在浏览一个普通的网页."))),
      ImgUnSecure_(picture(UnSecureImage(), QStringLiteral("你在浏览一个普通的网页."))),
      WBGauge_(new QProgressBar) {
    setObjectName(QStringLiteral("bpStatus"));
    setFixedHeight(22);
    fpStatusText_->setObjectName(QStringLiteral("fpStatusText"));
    fpStatusText_->setTextFormat(Qt::PlainText);
    fpStatusText_->setMinimumWidth(1);

    const QString stopperHint = QStringLiteral("过滤弹出的页面.");
    auto* stopper = new QWidget;
    stopper->setFixedSize(48, 18);
    stopper->setToolTip(stopperHint);
    auto* stopperLayout = new QHBoxLayout(stopper);
    stopperLayout->setContentsMargins(0, 0, 0, 0);
    stopperLayout->addWidget(picture(StopperImage(), stopperHint));
    fpStopper_->setObjectName(QStringLiteral("fpStopper"));
    fpStopper_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    stopperLayout->addWidget(fpStopper_, 1);

    auto* secure = new QWidget;
    secure->setObjectName(QStringLiteral("fpSecure"));
    secure->setFixedSize(18, 18);
    auto* secureLayout = new QStackedLayout(secure);
    secureLayout->setStackingMode(QStackedLayout::StackAll);
    secureLayout->addWidget(ImgSecure_);
    secureLayout->addWidget(ImgUnSecure_);

    WBGauge_->setObjectName(QStringLiteral("WBGauge"));
    WBGauge_->setFixedSize(145, 18);
    WBGauge_->setTextVisible(false);
    WBGauge_->setRange(0, 100);
    WBGauge_->setValue(0);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(4);
    layout->addWidget(fpStatusText_, 1);
    layout->addWidget(stopper);
    layout->addWidget(secure);
    layout->addWidget(WBGauge_);
    SetSecurityIcon(-1);
}

void StatusBar::ShowStatusText(const QString& text) {
    fpStatusText_->setText(text);
}

void StatusBar::ShowProgress(int position, int maximum) {
    if (maximum > 0)
        WBGauge_->setRange(0, maximum);
    WBGauge_->setValue(maximum > 0 ? std::clamp(position, 0, maximum) : 0);
}

void StatusBar::SetSecurityIcon(int value) {
    ImgSecure_->setVisible(value > 0);
    ImgUnSecure_->setVisible(value == 0);
    if (value <= 0)
        return;
    switch (value) {
    case 3:
        ImgSecure_->setToolTip(QStringLiteral("你正在浏览一个40位SSL安全保证的网页."));
        break;
    case 4:
        ImgSecure_->setToolTip(QStringLiteral("你正在浏览一个56位SSL安全保证的网页."));
        break;
    case 6:
        ImgSecure_->setToolTip(QStringLiteral("你正在浏览一个128位SSL安全保证的网页."));
        break;
    default:
        ImgSecure_->setToolTip(QStringLiteral("你正在浏览一个安全的网页."));
    }
}

void StatusBar::CountBlockedPopup() {
    fpStopper_->setText(QString::number(fpStopper_->text().trimmed().toLongLong() + 1) + ' ');
}

QString StatusBar::statusText() const {
    return fpStatusText_->text();
}

int StatusBar::gaugePosition() const {
    return WBGauge_->value();
}

int StatusBar::gaugeMaximum() const {
    return WBGauge_->maximum();
}

QString StatusBar::blockedCount() const {
    return fpStopper_->text();
}

QString StatusBar::lockHint() const {
    if (!ImgSecure_->isHidden())
        return ImgSecure_->toolTip();
    return ImgUnSecure_->isHidden() ? QString() : ImgUnSecure_->toolTip();
}

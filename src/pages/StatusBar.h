#pragma once

#include <QWidget>

class QLabel;
class QProgressBar;

// The status bar: the active page's status text, the refused pop-up counter, the
// lock state and the load gauge.
class StatusBar : public QWidget {
    Q_OBJECT

public:
    explicit StatusBar(QWidget* parent = nullptr);

    void ShowStatusText(const QString& text);
    // A maximum that is not positive keeps the scale and sets the position to 0.
    void ShowProgress(int position, int maximum);
    void SetSecurityIcon(int value);
    void CountBlockedPopup();

    QString statusText() const;
    int gaugePosition() const;
    int gaugeMaximum() const;
    QString blockedCount() const;
    // The hint of the picture shown in the lock area; empty when it is empty.
    QString lockHint() const;

private:
    QLabel* fpStatusText_;
    QLabel* fpStopper_;
    QLabel* ImgSecure_;
    QLabel* ImgUnSecure_;
    QProgressBar* WBGauge_;
};

#pragma once

#include <QDialog>
#include <QPixmap>

// The splash picture at start-up and the about box: a borderless, stay-on-top
// form the size of its picture, centred on the screen.
class TfrmAbout : public QDialog {
    Q_OBJECT

public:
    static constexpr QSize PictureSize{400, 300};

    explicit TfrmAbout(bool splash, QWidget* parent = nullptr);

    bool isSplash() const { return splash_; }

    // The about box, modal; a click on the picture closes it.
    static void actAboutExecute(QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool splash_;
    QPixmap picture_;
};

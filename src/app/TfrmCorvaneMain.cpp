#include "app/TfrmCorvaneMain.h"

#include "app/CommandLineArgument.h"
#include "app/CorvaneApplication.h"
#include "app/SettingsStore.h"
#include "pages/TfrmPage.h"
#include "platform/Ansi.h"
#include "platform/ApplicationTitle.h"
#include "ui/TfrmAbout.h"

#include <QAction>
#include <QMdiArea>
#include <QMenuBar>
#include <QTimer>

TfrmCorvaneMain::TfrmCorvaneMain(const SettingsStore& settings, QString argument, TfrmAbout* splash)
    : settings_(settings), argument_(std::move(argument)), splash_(splash),
      mdiArea_(new QMdiArea(this)) {
    setObjectName(QStringLiteral("frmCorvaneMain"));
    setWindowTitle(ApplicationTitle());
    setCentralWidget(mdiArea_);

    actAbout = new QAction(QStringLiteral("关于 Corvane..."), this);
    connect(actAbout, &QAction::triggered, this, [this] { TfrmAbout::actAboutExecute(this); });
    menuBar()->addMenu(QStringLiteral("帮助(&H)"))->addAction(actAbout);

    connect(mdiArea_, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* window) {
        showPageCaption(window ? window->windowTitle() : QString());
    });

    // The start-up work runs once the window is shown and the event loop runs.
    QTimer::singleShot(0, this, &TfrmCorvaneMain::thdInitUITerminate);
}

TfrmCorvaneMain::~TfrmCorvaneMain() = default;

void TfrmCorvaneMain::FormCreate() {
    const int left = settings_.ReadInteger(Setting::Left);
    const int top = settings_.ReadInteger(Setting::Top);
    const int height = settings_.ReadInteger(Setting::Height);
    const int width = settings_.ReadInteger(Setting::Width);
    resize(width, height);
    move(left, top);
    if (settings_.ReadFlag(Setting::Maximized))
        setWindowState(windowState() | Qt::WindowMaximized);
}

void TfrmCorvaneMain::thdInitUITerminate() {
    if (splash_) {
        splash_->deleteLater();
        splash_ = nullptr;
    }
    CorvaneApplication::ReportingErrors([this] { OpenAddressOrShortcut(argument_); });
}

TfrmPage* TfrmCorvaneMain::NewPage() {
    auto* page = new TfrmPage;
    mdiArea_->addSubWindow(page);
    connect(page, &TfrmPage::captionChanged, this, [this, page](const QString& caption) {
        if (mdiArea_->activeSubWindow() == page)
            showPageCaption(caption);
    });
    page->showMaximized();
    mdiArea_->setActiveSubWindow(page);
    return page;
}

void TfrmCorvaneMain::OpenAddressOrShortcut(const QString& text) {
    if (const std::optional<QString> address = AddressForArgument(text))
        NewPage()->NavigatePage(*address);
}

void TfrmCorvaneMain::WMCopyData(const QByteArray& message) {
    if (isMinimized())
        setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
    OpenAddressOrShortcut(Ansi::decode(message));
}

void TfrmCorvaneMain::showPageCaption(const QString& caption) {
    setWindowTitle(caption.isEmpty() ? ApplicationTitle()
                                     : caption + QStringLiteral(" - ") + ApplicationTitle());
}

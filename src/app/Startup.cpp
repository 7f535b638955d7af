#include "app/Startup.h"

#include "app/CommandLineArgument.h"
#include "app/CorvaneApplication.h"
#include "app/ProgramFolder.h"
#include "app/SettingsStore.h"
#include "app/TfrmCorvaneMain.h"
#include "pages/QtWebBrowser.h"
#include "platform/Ansi.h"
#include "platform/SingleInstance.h"
#include "ui/TfrmAbout.h"

#include <QLibraryInfo>
#include <QLoggingCategory>
#include <QScreen>
#include <QTranslator>

#include <unistd.h>

namespace {

void PrepareEngine() {
    // The engine's sandbox refuses to run as root.
    if (geteuid() == 0 && !qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QLoggingCategory::setFilterRules(QStringLiteral("qt.webenginecontext.info=false"));
}

} // namespace

int RunCorvane(int argc, char** argv) {
    PrepareEngine();
    CorvaneApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("corvane"));
    // The interface is Chinese whatever the locale, Qt's own buttons included.
    QTranslator qtTexts;
    if (qtTexts.load(QStringLiteral("qtbase_zh_CN"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qtTexts);

    const QString argument = CommandLineArgument(argc, argv);
    SingleInstance instance;
    if (instance.CheckSingleInstance(Ansi::encode(argument)))
        return 0;

    const SettingsStore settings(LocateProgramFolder(), QGuiApplication::primaryScreen()->size());

    // The default-browser check belongs here, before any window of the program shows.

    auto* splash = new TfrmAbout(true);
    splash->show();
    splash->repaint();

    TfrmCorvaneMain main(
        settings, [] { return new QtWebBrowser; }, argument, splash);
    CorvaneApplication::ReportingErrors([&] { main.FormCreate(); });
    main.show();
    instance.setReceiver([&main](const QByteArray& message) {
        CorvaneApplication::ReportingErrors([&] { main.WMCopyData(message); });
    });
    return app.exec();
}

#include "support/CorvaneProcess.h"

#include "support/TempEnvironment.h"
#include "support/Wait.h"

#include <QDir>
#include <QProcessEnvironment>

CorvaneProcess::CorvaneProcess(const TempEnvironment& env, const QStringList& arguments) {
    QDir().mkpath(env.path("tmp"));
    QProcessEnvironment vars = QProcessEnvironment::systemEnvironment();
    vars.insert("QT_QPA_PLATFORM", "offscreen");
    vars.insert("QTWEBENGINE_CHROMIUM_FLAGS", "--disable-gpu");
    vars.insert("TMPDIR", env.path("tmp"));
    vars.insert("CORVANE_MESSAGE_LOG", env.path("messages.log"));
    process_.setProcessEnvironment(vars);
    process_.setProcessChannelMode(QProcess::MergedChannels);
    process_.start(QStringLiteral(CORVANE_EXECUTABLE), arguments);
    process_.waitForStarted();
}

CorvaneProcess::~CorvaneProcess() {
    if (running()) {
        process_.kill();
        process_.waitForFinished();
    }
}

bool CorvaneProcess::finished(int boundMs) {
    return waitFor([this] { return !running(); }, boundMs);
}

QString CorvaneProcess::output() {
    return QString::fromLocal8Bit(process_.readAll());
}

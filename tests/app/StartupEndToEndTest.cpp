#include "platform/ProfileFile.h"
#include "support/CorvaneProcess.h"
#include "support/LoopbackHttpServer.h"
#include "support/TempEnvironment.h"
#include "support/Wait.h"

#include <QFile>

#include <gtest/gtest.h>

namespace {

const int PageLoadBoundMs = 60000;

class StartupEndToEnd : public ::testing::Test {
protected:
    // Waits until the server was asked for the path.
    bool requested(const QString& path) {
        return waitFor([&] { return server.requests().contains(path); }, PageLoadBoundMs);
    }

    QString settingsFile() const { return env.programFolder() + "corvane.ini"; }

    TempEnvironment env;
    LoopbackHttpServer server;
};

} // namespace

TEST_F(StartupEndToEnd, LaterStartsHandTheirArgumentToTheFirstInstance) {
    writeFile(env.path("a b/Site.URL"),
              "[InternetShortcut]\r\nURL=" + server.url("/shortcut").toUtf8() + "\r\n");
    CorvaneProcess first(env, {server.url("/first")});
    ASSERT_TRUE(requested("/first")) << first.output().toStdString();

    const QList<QStringList> laterStarts = {
        {},
        {server.url("/second")},
        {server.url("/with"), "blanks"},
        {env.path("a b/Site.URL")},
        {'"' + env.path("a b/Site.URL") + '"'},
        {server.url("/page.url")},
        {server.url("/last")},
    };
    for (const QStringList& arguments : laterStarts) {
        SCOPED_TRACE(arguments.join(' ').toStdString());
        CorvaneProcess later(env, arguments);
        ASSERT_TRUE(later.finished());
        EXPECT_EQ(later.process().exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(later.process().exitCode(), 0);
    }
    ASSERT_TRUE(requested("/last"));
    // The quoted path and the web address ending in ".url" opened nothing of ours.
    EXPECT_EQ(server.requests(),
              QStringList({"/first", "/second", "/with%20blanks", "/shortcut", "/last"}));
    EXPECT_TRUE(first.running());
}

TEST_F(StartupEndToEnd, AKilledInstanceDoesNotBlockTheNextStart) {
    {
        CorvaneProcess first(env, {server.url("/first")});
        ASSERT_TRUE(requested("/first"));
        first.process().kill();
        ASSERT_TRUE(first.finished());
    }
    CorvaneProcess next(env, {server.url("/next")});
    ASSERT_TRUE(requested("/next"));
    EXPECT_TRUE(next.running());
}

TEST_F(StartupEndToEnd, StartsWithADamagedSettingsFile) {
    writeFile(settingsFile(), QByteArray("\x00\xFF\xFE garbage\r\n[Corvane Settings]\r\n", 33) +
                                  "no equals here\r\nMAXIMIZED=yes\r\nMaximized=\x81\x20\r\n" +
                                  "Width=\x81\x30\x81\r\nLeft=" + QByteArray(50 << 20, '7') +
                                  "\r\n[Other]\r\nkept=\xB7\xF1\r\n");
    CorvaneProcess first(env, {server.url("/damaged")});
    ASSERT_TRUE(requested("/damaged"));
    const ProfileFile ini(settingsFile());
    EXPECT_EQ(ini.value("Corvane Settings", "Maximized"), "yes");
    EXPECT_TRUE(ini.value("Corvane Settings", "Top").has_value());
    EXPECT_EQ(ini.value("Other", "kept"), QStringLiteral("否"));
    // The two sizes that are no whole numbers were reported, the long one cut.
    const QList<QByteArray> log = readFile(env.path("messages.log")).split('\n');
    ASSERT_EQ(log.size(), 3);
    EXPECT_EQ(log[0], "error: '" + QByteArray(64, '7') + "...' is not a valid integer value");
    EXPECT_TRUE(log[1].startsWith("error: '\xEF\xBF\xBD")) << log[1].toStdString();
    EXPECT_TRUE(log[1].endsWith("' is not a valid integer value"));
}

TEST_F(StartupEndToEnd, AReadOnlySettingsFileIsReportedAndTheProgramRunsOn) {
    const QByteArray settings = "[Corvane Settings]\r\nMaximized=yes\r\nOpenMax=yes\r\n";
    writeFile(settingsFile(), settings);
    QFile::setPermissions(settingsFile(), QFile::ReadOwner);
    CorvaneProcess first(env, {server.url("/readonly")});
    ASSERT_TRUE(requested("/readonly"));
    // The missing keys read as their defaults, reported once; the last step of the
    // start-up, which stores that the program runs, reports its own failure.
    const QByteArray error = "error: Unable to write to " + settingsFile().toUtf8() + "\n";
    EXPECT_TRUE(waitFor([&] { return readFile(env.path("messages.log")) == error + error; }));
    EXPECT_EQ(readFile(settingsFile()), settings);
}

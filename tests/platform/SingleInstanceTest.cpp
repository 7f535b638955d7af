#include "platform/SingleInstance.h"

#include "support/TempEnvironment.h"
#include "support/Wait.h"

#include <QDir>
#include <QLocalSocket>
#include <QSysInfo>
#include <QUuid>

#include <gtest/gtest.h>

#include <future>

namespace {

class SingleInstanceTest : public ::testing::Test {
protected:
    void SetUp() override {
        first.setReceiver([this](const QByteArray& message) { received << message; });
        ASSERT_FALSE(first.CheckSingleInstance({}));
    }

    // A later start, run on its own thread so that this one can serve it.
    bool secondStart(const QByteArray& argument) {
        auto result = std::async(std::launch::async, [this, argument] {
            return SingleInstance(name).CheckSingleInstance(argument);
        });
        waitFor(
            [&] { return result.wait_for(std::chrono::seconds(0)) == std::future_status::ready; },
            SingleInstance::HandOffTimeoutMs + 5000);
        return result.get();
    }

    // Waits until the first instance has closed the connection.
    static bool droppedBy(QLocalSocket& socket) {
        return waitFor([&] { return socket.state() == QLocalSocket::UnconnectedState; },
                       SingleInstance::ReadTimeoutMs * 3);
    }

    TempEnvironment env;
    QString name = QUuid::createUuid().toString(QUuid::WithoutBraces);
    SingleInstance first{name};
    QList<QByteArray> received;
};

} // namespace

TEST_F(SingleInstanceTest, ALaterStartHandsItsArgumentOver) {
    EXPECT_TRUE(secondStart("http://example.test/a b"));
    EXPECT_TRUE(secondStart({}));
    EXPECT_EQ(received, QList<QByteArray>({"http://example.test/a b", ""}));
}

TEST_F(SingleInstanceTest, MessagesWaitForTheReceiver) {
    SingleInstance late(name + "-late");
    ASSERT_FALSE(late.CheckSingleInstance({}));
    QLocalSocket client;
    client.connectToServer(name + "-late");
    ASSERT_TRUE(client.waitForConnected(2000));
    client.write(QByteArray("early\0", 6));
    ASSERT_TRUE(waitFor([&] { return client.bytesToWrite() == 0; }));
    QList<QByteArray> got;
    late.setReceiver([&](const QByteArray& m) { got << m; });
    EXPECT_EQ(got, QList<QByteArray>({"early"}));
}

TEST_F(SingleInstanceTest, BadSendersAreDroppedAndTheInstanceRunsOn) {
    struct Case {
        const char* what;
        QByteArray bytes;
        bool closeAfterSending;
    };
    const Case cases[] = {
        {"no zero byte", "http://example.test/", false},
        {"nothing at all", "", false},
        {"longer than the bound", QByteArray(SingleInstance::MaxMessageBytes + 10, 'x'), false},
        {"half a message, then gone", "http://exa", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QLocalSocket client;
        client.connectToServer(name);
        ASSERT_TRUE(client.waitForConnected(2000));
        client.write(c.bytes);
        if (c.closeAfterSending) {
            ASSERT_TRUE(waitFor([&] { return client.bytesToWrite() == 0; }));
            client.disconnectFromServer();
        }
        EXPECT_TRUE(droppedBy(client));
        EXPECT_TRUE(received.isEmpty());
    }
    EXPECT_TRUE(secondStart("after"));
    EXPECT_EQ(received, QList<QByteArray>({"after"}));
}

TEST(SingleInstance, ALockLeftByADeadInstanceDoesNotBlockAStart) {
    TempEnvironment env;
    const QString name = QUuid::createUuid().toString(QUuid::WithoutBraces);
    // What a killed instance leaves: a lock naming a process that is gone, and its socket file.
    writeFile(QDir::temp().filePath(name + ".lock"),
              "999999999\ncorvane\n" + QSysInfo::machineHostName().toUtf8() + "\n");
    writeFile(QDir::temp().filePath(name), "");
    SingleInstance next(name);
    EXPECT_FALSE(next.CheckSingleInstance("x"));
}

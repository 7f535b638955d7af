#pragma once

#include <QByteArray>
#include <QLockFile>
#include <QObject>

#include <QPointer>

#include <deque>
#include <functional>
#include <unordered_map>

class QLocalServer;
class QLocalSocket;

// One running instance per user. The first start holds a lock file and listens on
// a local socket of the same name; a later start connects, sends its argument
// bytes followed by a zero byte, and waits until the first instance has handled
// them. Both files live in the temporary folder; a lock left by a killed instance
// is recognised as stale, so it never blocks a start.
class SingleInstance : public QObject {
    Q_OBJECT

public:
    // A message longer than this, or one not complete within the read bound, is dropped.
    static constexpr qsizetype MaxMessageBytes = 64 * 1024;
    static constexpr int ReadTimeoutMs = 2000;
    // How long a later start waits for the running instance to handle its argument.
    static constexpr int HandOffTimeoutMs = 30000;

    // The default name: the program's mutex name and the user id.
    static QString defaultName();

    explicit SingleInstance(QString name = defaultName(), QObject* parent = nullptr);
    ~SingleInstance() override;

    // True when another instance runs; the argument has then been handed to it (or
    // was lost when it could not be reached) and this process should end.
    bool CheckSingleInstance(const QByteArray& argument);

    // In the first instance: runs for every handed-over message (its bytes before
    // the zero byte), one at a time, before the sender is released. Messages that
    // arrive before a receiver is set wait for it.
    void setReceiver(std::function<void(const QByteArray&)> receiver);

private:
    struct Pending {
        QPointer<QLocalSocket> socket;
        QByteArray message;
    };

    void listen();
    void accept();
    void readFrom(QLocalSocket* socket);
    void deliver();
    bool handOff(const QByteArray& argument);

    QString name_;
    QLockFile lock_;
    QLocalServer* server_ = nullptr;
    std::function<void(const QByteArray&)> receiver_;
    std::unordered_map<QLocalSocket*, QByteArray> reading_; // connections still sending
    std::deque<Pending> pending_;
    bool delivering_ = false;
};

#include "platform/SingleInstance.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>
#include <QTimer>

#include <unistd.h>

QString SingleInstance::defaultName() {
    return QStringLiteral("Jgftveh.PyaThjhyiqb.QlbdultfKmmsjfe-%1").arg(getuid());
}

SingleInstance::SingleInstance(QString name, QObject* parent)
    : QObject(parent), name_(std::move(name)),
      lock_(QDir::temp().filePath(name_ + QStringLiteral(".lock"))) {
    // Only a dead owner makes the lock stale, never its age.
    lock_.setStaleLockTime(0);
}

SingleInstance::~SingleInstance() {
    for (const Pending& p : pending_)
        if (p.socket)
            p.socket->abort();
}

bool SingleInstance::CheckSingleInstance(const QByteArray& argument) {
    if (lock_.tryLock(0)) {
        listen();
        return false;
    }
    // The lock is held by a live instance, or cannot be taken at all: either way
    // this start hands its argument over if it can, and ends.
    handOff(argument);
    return true;
}

void SingleInstance::listen() {
    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    // We hold the lock, so a socket file that is still there was left by a dead instance.
    QLocalServer::removeServer(name_);
    connect(server_, &QLocalServer::newConnection, this, &SingleInstance::accept);
    server_->listen(name_);
}

void SingleInstance::accept() {
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        reading_[socket];
        socket->setReadBufferSize(MaxMessageBytes + 1);
        connect(socket, &QObject::destroyed, this, [this, socket] { reading_.erase(socket); });
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { readFrom(socket); });
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::errorOccurred, socket, &QObject::deleteLater);
        // A sender that stalls, or dies half-way, is dropped after the bound.
        QTimer::singleShot(ReadTimeoutMs, socket, [this, socket] {
            if (reading_.count(socket))
                socket->abort();
        });
        readFrom(socket);
    }
}

void SingleInstance::readFrom(QLocalSocket* socket) {
    auto it = reading_.find(socket);
    if (it == reading_.end())
        return;
    QByteArray& buffer = it->second;
    buffer += socket->read(MaxMessageBytes + 1 - buffer.size());
    const qsizetype end = buffer.indexOf('\0');
    if (end < 0) {
        if (buffer.size() > MaxMessageBytes)
            socket->abort();
        return;
    }
    pending_.push_back({socket, buffer.left(end)});
    reading_.erase(it);
    deliver();
}

void SingleInstance::setReceiver(std::function<void(const QByteArray&)> receiver) {
    receiver_ = std::move(receiver);
    deliver();
}

void SingleInstance::deliver() {
    // A receiver may open a modal dialog; messages that arrive meanwhile wait their turn.
    if (delivering_ || !receiver_)
        return;
    delivering_ = true;
    while (!pending_.empty()) {
        Pending next = pending_.front();
        pending_.pop_front();
        receiver_(next.message);
        const QPointer<QLocalSocket>& socket = next.socket;
        if (socket && socket->state() == QLocalSocket::ConnectedState) {
            socket->write("\1", 1);
            socket->flush();
            socket->disconnectFromServer();
        }
    }
    delivering_ = false;
}

bool SingleInstance::handOff(const QByteArray& argument) {
    QLocalSocket socket;
    // The running instance may be between taking the lock and listening.
    QDeadlineTimer connectBound(ReadTimeoutMs);
    while (true) {
        socket.connectToServer(name_);
        if (socket.waitForConnected(ReadTimeoutMs))
            break;
        if (connectBound.hasExpired())
            return false;
        QThread::msleep(20);
    }
    QByteArray message = argument;
    message.append('\0');
    socket.write(message);
    if (!socket.waitForBytesWritten(ReadTimeoutMs))
        return false;
    // The answer comes once the running instance has opened the page, or the
    // connection closes; either ends the wait.
    QDeadlineTimer answerBound(HandOffTimeoutMs);
    while (socket.bytesAvailable() == 0 && socket.state() == QLocalSocket::ConnectedState &&
           !answerBound.hasExpired())
        socket.waitForReadyRead(int(answerBound.remainingTime()));
    return socket.bytesAvailable() > 0;
}

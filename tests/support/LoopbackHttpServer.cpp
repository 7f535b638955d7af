#include "support/LoopbackHttpServer.h"

#include <QTcpSocket>

LoopbackHttpServer::LoopbackHttpServer() {
    server_.listen(QHostAddress::LocalHost);
    connect(&server_, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket* socket = server_.nextPendingConnection()) {
            connect(socket, &QTcpSocket::readyRead, this, [this, socket] { serve(socket); });
            connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        }
    });
}

QString LoopbackHttpServer::url(const QString& path) const {
    return QStringLiteral("http://127.0.0.1:%1%2").arg(server_.serverPort()).arg(path);
}

void LoopbackHttpServer::setPage(const QString& path, const QByteArray& html) {
    pages_.insert(path, html);
}

void LoopbackHttpServer::serve(QTcpSocket* socket) {
    if (!socket->canReadLine())
        return;
    const QList<QByteArray> request = socket->readLine().split(' ');
    socket->readAll();
    const QString path = request.value(1);
    if (path != QStringLiteral("/favicon.ico"))
        requests_ << path;
    const QByteArray escaped = path.toHtmlEscaped().toUtf8();
    const QByteArray body =
        pages_.value(path, "<html><head><title>" + escaped + "</title></head><body>" + escaped +
                               "</body></html>");
    socket->write("HTTP/1.1 200 OK\r\nContent-Type: text/html; charset=utf-8\r\n"
                  "Connection: close\r\nContent-Length: " +
                  QByteArray::number(body.size()) + "\r\n\r\n" + body);
    socket->disconnectFromHost();
}

#pragma once

#include <QStringList>
#include <QTcpServer>

// A small HTTP server on 127.0.0.1 for end-to-end tests: answers every GET with a
// page titled by its path and records the paths asked for (favicons left out).
class LoopbackHttpServer : public QObject {
    Q_OBJECT

public:
    LoopbackHttpServer();

    QString url(const QString& path) const;
    const QStringList& requests() const { return requests_; }

private:
    void serve(QTcpSocket* socket);

    QTcpServer server_;
    QStringList requests_;
};

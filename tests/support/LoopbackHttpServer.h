#pragma once

#include <QHash>
#include <QStringList>
#include <QTcpServer>

// A small HTTP server on 127.0.0.1 for end-to-end tests: answers every GET with the
// page set for its path, else a page titled by the path, and records the paths
// asked for (favicons left out).
class LoopbackHttpServer : public QObject {
    Q_OBJECT

public:
    LoopbackHttpServer();

    QString url(const QString& path) const;
    // Serves this HTML for the path from now on.
    void setPage(const QString& path, const QByteArray& html);
    const QStringList& requests() const { return requests_; }

private:
    void serve(QTcpSocket* socket);

    QTcpServer server_;
    QStringList requests_;
    QHash<QString, QByteArray> pages_;
};

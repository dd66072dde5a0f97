#pragma once
// The small web server inside the program that the tables' phones and the
// room's screens talk to. It only passes each request to the table service
// and writes its answer: it has no routes of its own and serves no file.
#include "tables/TableService.h"

#include <QAbstractHttpServer>
#include <QHostAddress>
#include <QString>

namespace corvane::platform {

class TableServer : public QAbstractHttpServer {
    Q_OBJECT
public:
    explicit TableServer(tables::TableService& service, QObject* parent = nullptr);

    // Listens on `address` and `port` (0: a free port). Empty when listening;
    // otherwise why not, for the organiser.
    QString listen(const QHostAddress& address, quint16 port);
    quint16 port() const;

protected:
    bool handleRequest(const QHttpServerRequest& request, QTcpSocket* socket) override;
    void missingHandler(const QHttpServerRequest& request, QTcpSocket* socket) override;

private:
    tables::TableService& service_;
};

} // namespace corvane::platform

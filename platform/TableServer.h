#pragma once
// The small web server inside the program that the tables' phones and the
// room's screens talk to. It only passes each request to the table service
// and writes its answer: it has no routes of its own and serves no file.
// Requests are answered one per turn of the event loop, so that a burst of
// results (each saved and synced) never holds the windows still for long.
#include "tables/TableService.h"

#include <QAbstractHttpServer>
#include <QHostAddress>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <deque>
#include <string>
#include <vector>

class QTcpSocket;

namespace corvane::platform {

class TableServer : public QAbstractHttpServer {
    Q_OBJECT
public:
    explicit TableServer(tables::TableService& service, QObject* parent = nullptr);

    // Listens on `address` and `port` (0: a free port). Empty when listening;
    // otherwise why not, for the organiser.
    QString listen(const QHostAddress& address, quint16 port);
    quint16 port() const;
    // Sends the standings' rows to every open event stream.
    void publish(const std::string& rows);

protected:
    bool handleRequest(const QHttpServerRequest& request, QTcpSocket* socket) override;
    void missingHandler(const QHttpServerRequest& request, QTcpSocket* socket) override;

private:
    struct Pending {
        tables::Request request;
        QPointer<QTcpSocket> socket; // gone when the phone hung up; the request still counts
    };
    void answerNext();

    tables::TableService& service_;
    std::deque<Pending> pending_;
    std::vector<QPointer<QTcpSocket>> streams_;
    QTimer next_;
};

} // namespace corvane::platform

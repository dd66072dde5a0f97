#include "platform/TableServer.h"

#include "tables/HttpStatus.h"
#include "tables/StandingsPage.h"

#include <QHttpServerRequest>
#include <QHttpServerResponder>
#include <QTcpServer>
#include <QTcpSocket>

namespace corvane::platform {
namespace {

// More waiting requests than this are refused at once: memory stays bounded
// whatever arrives.
constexpr std::size_t mostPending = 2000;
// Screens following the standings at once; more are told to ask instead.
constexpr std::size_t mostStreams = 256;

std::string methodName(QHttpServerRequest::Method method) {
    switch (method) {
    case QHttpServerRequest::Method::Get:
        return "GET";
    case QHttpServerRequest::Method::Post:
        return "POST";
    default:
        break;
    }
    return "OTHER";
}

QByteArray reason(int status) {
    switch (status) {
    case tables::status::ok:
        return "OK";
    case tables::status::badRequest:
        return "Bad Request";
    case tables::status::notFound:
        return "Not Found";
    case tables::status::notAllowed:
        return "Method Not Allowed";
    case tables::status::tooLarge:
        return "Payload Too Large";
    case tables::status::refused:
        return "Unprocessable Entity";
    case tables::status::tooMany:
        return "Too Many Requests";
    default:
        break;
    }
    return "Service Unavailable";
}

// The answer as HTTP/1.1 puts it on the wire. A stream has no length: it
// lasts as long as the connection.
void write(QTcpSocket& socket, const tables::Response& answer) {
    const QByteArray body = QByteArray::fromStdString(answer.body);
    QByteArray out = "HTTP/1.1 " + QByteArray::number(answer.status) + ' ' + reason(answer.status) +
                     "\r\nContent-Type: " + QByteArray::fromStdString(answer.contentType) + "\r\n";
    if (!answer.stream) {
        out += "Content-Length: " + QByteArray::number(body.size()) + "\r\n";
    }
    for (const auto& [name, value] : answer.headers) {
        out += QByteArray::fromStdString(name) + ": " + QByteArray::fromStdString(value) + "\r\n";
    }
    socket.write(out + "\r\n" + body);
}

// What a request may declare before its body is read: far above a result's
// size (those are checked, and refused with a status, by the service), far
// below what would cost memory. The headers must end within the first block.
constexpr qint64 mostDeclaredBody = 64 * 1024;
constexpr qint64 headerBlock = 8 * 1024;

// True when the bytes waiting on a connection start a request that must not
// be read: headers longer than a block, a declared body over the limit, or a
// body in chunks (a phone's request never sends one).
bool refusedUnread(const QByteArray& start) {
    const qsizetype headersEnd = start.indexOf("\r\n\r\n");
    if (headersEnd < 0) {
        return start.size() >= headerBlock;
    }
    const QByteArray headers = start.left(headersEnd).toLower();
    if (headers.contains("\r\ntransfer-encoding:")) {
        return true;
    }
    const qsizetype length = headers.indexOf("\r\ncontent-length:");
    if (length < 0) {
        return false;
    }
    const qsizetype from = length + qsizetype(sizeof("\r\ncontent-length:") - 1);
    const qsizetype lineEnd = headers.indexOf("\r\n", from);
    bool number = false;
    const qint64 declared =
        headers.mid(from, lineEnd < 0 ? -1 : lineEnd - from).trimmed().toLongLong(&number);
    return !number || declared > mostDeclaredBody;
}

// Looks at what each connection sends before the HTTP server reads it, and
// cuts a connection whose request must not be read at all.
class GuardedTcpServer : public QTcpServer {
public:
    using QTcpServer::QTcpServer;

protected:
    void incomingConnection(qintptr handle) override {
        auto* socket = new QTcpSocket(this);
        if (!socket->setSocketDescriptor(handle)) {
            delete socket;
            return;
        }
        // Connected before the server's own handler, so it sees the bytes first.
        connect(socket, &QTcpSocket::readyRead, socket, [socket] {
            if (refusedUnread(socket->peek(headerBlock))) {
                socket->abort();
            }
        });
        addPendingConnection(socket);
    }
};

} // namespace

TableServer::TableServer(tables::TableService& service, QObject* parent)
    : QAbstractHttpServer(parent), service_(service) {
    next_.setSingleShot(true);
    next_.setInterval(0);
    connect(&next_, &QTimer::timeout, this, &TableServer::answerNext);
}

QString TableServer::listen(const QHostAddress& address, quint16 port) {
    auto* server = new GuardedTcpServer(this);
    if (!server->listen(address, port)) {
        const QString problem = server->errorString();
        delete server;
        return problem.isEmpty() ? QStringLiteral("The port cannot be opened.") : problem;
    }
    bind(server);
    return {};
}

quint16 TableServer::port() const {
    const QList<QTcpServer*> listening = servers();
    return listening.isEmpty() ? 0 : listening.front()->serverPort();
}

bool TableServer::handleRequest(const QHttpServerRequest& request, QTcpSocket* socket) {
    if (pending_.size() >= mostPending) {
        write(*socket,
              {tables::status::busy, "text/plain; charset=utf-8", "Busy: send again.", {}});
        return true;
    }
    pending_.push_back(
        {{methodName(request.method()), request.url().path().toStdString(),
          request.body().toStdString(), request.remoteAddress().toString().toStdString()},
         socket});
    next_.start();
    return true;
}

void TableServer::answerNext() {
    if (pending_.empty()) {
        return;
    }
    const Pending asked = std::move(pending_.front());
    pending_.pop_front();
    tables::Response answer = service_.handle(asked.request, tables::Clock::now());
    std::erase_if(streams_, [](const QPointer<QTcpSocket>& socket) { return !socket; });
    if (answer.stream && streams_.size() >= mostStreams) {
        answer = {tables::status::busy, "text/plain; charset=utf-8", "Busy: ask for the rows.", {}};
    }
    if (asked.socket && asked.socket->state() == QAbstractSocket::ConnectedState) {
        write(*asked.socket, answer);
        if (answer.stream) {
            streams_.push_back(asked.socket);
        }
    }
    if (!pending_.empty()) {
        next_.start();
    }
}

void TableServer::publish(const std::string& rows) {
    const QByteArray event = QByteArray::fromStdString(tables::boardEvent(rows));
    for (const QPointer<QTcpSocket>& socket : streams_) {
        if (socket && socket->state() == QAbstractSocket::ConnectedState) {
            socket->write(event);
        }
    }
}

void TableServer::missingHandler(const QHttpServerRequest& request, QTcpSocket* socket) {
    // Every request is handled above; this is never reached.
    makeResponder(request, socket).write(QHttpServerResponder::StatusCode::NotFound);
}

} // namespace corvane::platform

#include "platform/TableServer.h"

#include <QHttpServerRequest>
#include <QHttpServerResponder>
#include <QTcpServer>

namespace corvane::platform {
namespace {

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

} // namespace

TableServer::TableServer(tables::TableService& service, QObject* parent)
    : QAbstractHttpServer(parent), service_(service) {}

QString TableServer::listen(const QHostAddress& address, quint16 port) {
    auto* server = new QTcpServer(this);
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
    const tables::Request asked{methodName(request.method()), request.url().path().toStdString(),
                                request.body().toStdString(),
                                request.remoteAddress().toString().toStdString()};
    const tables::Response answer = service_.handle(asked, tables::Clock::now());
    QHttpServerResponder responder = makeResponder(request, socket);
    const QByteArray body = QByteArray::fromStdString(answer.body);
    responder.writeStatusLine(static_cast<QHttpServerResponder::StatusCode>(answer.status));
    responder.writeHeader(QByteArrayLiteral("Content-Type"),
                          QByteArray::fromStdString(answer.contentType));
    responder.writeHeader(QByteArrayLiteral("Content-Length"), QByteArray::number(body.size()));
    for (const auto& [name, value] : answer.headers) {
        responder.writeHeader(QByteArray::fromStdString(name), QByteArray::fromStdString(value));
    }
    responder.writeBody(body);
    return true;
}

void TableServer::missingHandler(const QHttpServerRequest& request, QTcpSocket* socket) {
    // Every request is handled above; this is never reached.
    makeResponder(request, socket).write(QHttpServerResponder::StatusCode::NotFound);
}

} // namespace corvane::platform

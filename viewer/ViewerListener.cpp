#include "viewer/ViewerListener.h"

#include "platform/ViewerSocket.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocalSocket>

namespace corvane::viewer {

namespace {

// Time to tell a live viewer's socket from one a crashed viewer left.
constexpr int probeMs = 200;
constexpr int retryMs = 2000;
// The request is one short line; anything longer is not one.
constexpr qint64 maxRequest = 64 * 1024;

// The working directory of a page in one of its tournament folders.
QString workingDirectoryOf(const QString& page) {
    QDir folder = QFileInfo(page).absoluteDir();
    folder.cdUp();
    return folder.canonicalPath();
}

} // namespace

ViewerListener::ViewerListener(const QString& page, QObject* parent)
    : QObject(parent), workingDirectory_(workingDirectoryOf(page)) {
    if (workingDirectory_.isEmpty()) {
        return;
    }
    path_ = QString::fromStdString(
        platform::viewerSocketPath(QFile::encodeName(workingDirectory_).toStdString()));
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&server_, &QLocalServer::newConnection, this, &ViewerListener::OnConnection);
    // While another viewer of the folder answers, this one waits to take over
    // when that one ends.
    retry_.setInterval(retryMs);
    connect(&retry_, &QTimer::timeout, this, &ViewerListener::TryToListen);
    TryToListen();
}

void ViewerListener::TryToListen() {
    QLocalSocket probe;
    probe.connectToServer(path_);
    if (probe.waitForConnected(probeMs)) {
        retry_.start();
        return;
    }
    QLocalServer::removeServer(path_);
    if (server_.listen(path_)) {
        retry_.stop();
    } else {
        retry_.start();
    }
}

void ViewerListener::OnConnection() {
    while (QLocalSocket* socket = server_.nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (!socket->canReadLine()) {
                if (socket->bytesAvailable() > maxRequest) {
                    socket->abort();
                }
                return;
            }
            const QString line = QString::fromUtf8(socket->readLine(maxRequest)).trimmed();
            const QString prefix = QString::fromLatin1(platform::showRequest.data(),
                                                       qsizetype(platform::showRequest.size()));
            const QString page = line.mid(prefix.size());
            // Only a page of this working directory's tournaments is shown.
            if (!line.startsWith(prefix) || workingDirectoryOf(page) != workingDirectory_) {
                socket->disconnectFromServer();
                return;
            }
            socket->write(
                QByteArray(platform::shownAnswer.data(), qsizetype(platform::shownAnswer.size())) +
                ' ' + QByteArray::number(QCoreApplication::applicationPid()) + '\n');
            socket->flush();
            socket->disconnectFromServer();
            emit showRequested(page);
        });
    }
}

} // namespace corvane::viewer

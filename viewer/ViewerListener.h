#pragma once
// The open viewer's ear: a publish of the same working directory asks it over
// a local socket to show the new leader board, and it reloads in place
// instead of being ended and replaced by a new one.
#include <QLocalServer>
#include <QObject>
#include <QString>
#include <QTimer>

namespace corvane::viewer {

class ViewerListener : public QObject {
    Q_OBJECT
public:
    // Listens for the working directory whose tournament folder holds `page`,
    // unless another viewer of it listens already.
    explicit ViewerListener(const QString& page, QObject* parent = nullptr);
    bool listening() const { return server_.isListening(); }

signals:
    // A page of this working directory's tournaments to show now.
    void showRequested(const QString& page);

private:
    void OnConnection();
    void TryToListen();

    QLocalServer server_;
    QTimer retry_;
    QString workingDirectory_;
    QString path_;
};

} // namespace corvane::viewer

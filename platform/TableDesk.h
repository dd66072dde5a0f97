#pragma once
// Results from the tables, for the whole program: the table service, its web
// server (off until the organiser starts it, stopped with the program), and
// the road from a table's result to the one door. It lives as long as the
// application, so tables can send while the Table Entry window is closed.
#include "tables/TableService.h"

#include <QHostAddress>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <memory>
#include <optional>

namespace corvane::platform {

class TableServer;

class TableDesk : public QObject {
    Q_OBJECT
public:
    // The program's one desk, made on first use and ended with the application.
    static TableDesk& instance();
    explicit TableDesk(QObject* parent = nullptr, tables::RateLimits limits = {});
    ~TableDesk() override;

    const tables::TableService& service() const { return service_; }

    // Starts the server on `address` and `port` (0: any free one); empty when
    // it listens, otherwise why not.
    QString start(const QHostAddress& address, quint16 port);
    void stop();
    bool running() const { return server_ != nullptr; }
    quint16 port() const;
    // "http://192.168.1.20:8080", the address the phones use; empty when stopped.
    QString address() const;
    QString linkOf(const tables::Table& table) const;

    // A round's tables from team names, or tables for any two teams; the last
    // round's links stop working.
    void openRound(const std::vector<std::pair<std::string, std::string>>& pairs);
    void openAnyTeams(int count);
    void setSaveConfirmed(bool on);
    bool saveConfirmed() const { return service_.queue().saveConfirmed(); }

    // The organiser's word on a queue item. Empty when saved; otherwise why not.
    QString accept(std::size_t item, std::optional<GameRecord> edited = std::nullopt);
    void reject(std::size_t item);
    // The last problem the door gave a result saved on its own (empty: none).
    const QString& lastProblem() const { return lastProblem_; }
    // The window whose messages publishing may show.
    void setOwner(QWidget* owner) { owner_ = owner; }

signals:
    // A queue item arrived or changed; the tables changed.
    void queueChanged();
    void tablesChanged();

private:
    bool save(const GameRecord& game, int table);
    void refreshBoard();
    // Another tournament opened: the tables of the last one close.
    void followTournament();
    std::string currentFolder() const;

    tables::TableService service_;
    std::unique_ptr<TableServer> server_;
    QHostAddress listening_;
    QPointer<QWidget> owner_;
    QString lastProblem_;
    std::string tablesFolder_; // the tournament the open tables belong to
};

} // namespace corvane::platform

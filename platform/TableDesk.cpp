#include "platform/TableDesk.h"

#include "platform/Changes.h"
#include "platform/TableServer.h"
#include "store/TournamentStore.h"
#include "tables/StandingsPage.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QNetworkInterface>

namespace corvane::platform {
namespace {

// The address phones reach when the server listens on every interface: the
// first of the machine's own that is not loopback.
QHostAddress shownHost(const QHostAddress& listening) {
    if (listening != QHostAddress::AnyIPv4 && listening != QHostAddress::Any) {
        return listening;
    }
    for (const QHostAddress& address : QNetworkInterface::allAddresses()) {
        if (address.protocol() == QAbstractSocket::IPv4Protocol && !address.isLoopback()) {
            return address;
        }
    }
    return QHostAddress::LocalHost;
}

} // namespace

TableDesk& TableDesk::instance() {
    static QPointer<TableDesk> desk;
    if (!desk) {
        desk = new TableDesk(QCoreApplication::instance());
    }
    return *desk;
}

TableDesk::TableDesk(QObject* parent, tables::RateLimits limits)
    : QObject(parent),
      service_(
          [this](const GameRecord& game, int table) { return save(game, table); },
          [] { return QTime::currentTime().toString(QStringLiteral("HH:mm:ss")).toStdString(); },
          limits) {
    connect(&changeSignals(), &ChangeSignals::changed, this, &TableDesk::followTournament);
    service_.setListener([this](std::size_t) { emit queueChanged(); });
}

TableDesk::~TableDesk() = default;

QString TableDesk::start(const QHostAddress& address, quint16 port) {
    stop();
    auto server = std::make_unique<TableServer>(service_);
    if (QString problem = server->listen(address, port); !problem.isEmpty()) {
        return problem;
    }
    server_ = std::move(server);
    listening_ = address;
    refreshBoard();
    return {};
}

void TableDesk::stop() {
    server_.reset();
}

quint16 TableDesk::port() const {
    return server_ ? server_->port() : 0;
}

QString TableDesk::address() const {
    if (!server_) {
        return {};
    }
    const QHostAddress host = shownHost(listening_);
    const QString text = host.protocol() == QAbstractSocket::IPv6Protocol
                             ? QLatin1Char('[') + host.toString() + QLatin1Char(']')
                             : host.toString();
    return QStringLiteral("http://%1:%2").arg(text).arg(port());
}

QString TableDesk::linkOf(const tables::Table& table) const {
    return address() + QStringLiteral("/t/") + QString::fromStdString(table.token);
}

std::string TableDesk::currentFolder() const {
    const TournamentStore* store = TournamentStore::instance;
    return store ? store->workingDirectory + "/" + store->tournamentFolder : std::string();
}

void TableDesk::followTournament() {
    if (!service_.tables().tables().empty() && currentFolder() != tablesFolder_) {
        service_.endRound();
        emit tablesChanged();
        emit queueChanged();
    }
    refreshBoard();
}

void TableDesk::openRound(const std::vector<std::pair<std::string, std::string>>& pairs) {
    tablesFolder_ = currentFolder();
    service_.openRound(pairs, tables::systemRandom());
    emit tablesChanged();
    emit queueChanged();
}

void TableDesk::openAnyTeams(int count) {
    std::vector<std::string> teams;
    if (const TournamentStore* store = TournamentStore::instance) {
        for (const TeamRecord& team : store->teams()) {
            teams.push_back(team.teamName);
        }
    }
    tablesFolder_ = currentFolder();
    service_.openAnyTeams(count, std::move(teams), tables::systemRandom());
    emit tablesChanged();
    emit queueChanged();
}

void TableDesk::setSaveConfirmed(bool on) {
    service_.setSaveConfirmed(on);
}

bool TableDesk::save(const GameRecord& game, int table) {
    const history::ChangeOutcome outcome =
        applyChangeQuietly(owner_, history::SaveGame{game, std::nullopt, table});
    lastProblem_ = QString::fromStdString(outcome.problem);
    return outcome.done;
}

QString TableDesk::accept(std::size_t item, std::optional<GameRecord> edited) {
    lastProblem_.clear();
    if (!service_.accept(item, std::move(edited)) && lastProblem_.isEmpty()) {
        lastProblem_ = QStringLiteral("This result can no longer be saved.");
    }
    emit queueChanged();
    return lastProblem_;
}

void TableDesk::reject(std::size_t item) {
    service_.reject(item);
    emit queueChanged();
}

void TableDesk::refreshBoard() {
    // Only a running server shows the rows; starting one makes them.
    if (!server_) {
        return;
    }
    const TournamentStore* store = TournamentStore::instance;
    std::string rows = store ? tables::boardRows(*store) : std::string();
    if (rows == service_.boardRows()) {
        return;
    }
    service_.setBoardRows(std::move(rows));
    server_->publish(service_.boardRows());
}

} // namespace corvane::platform

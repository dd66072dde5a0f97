// Results from the tables on loopback, through the real server and the one
// door, in a tournament of 200 teams:
// - BM_ConfirmedResultToStandings: from a table's confirmed result sent to the
//   `/standings` rows showing it (the request, the save, the rows read back);
// - BM_TablesSubmittingTwice: 200 tables each send their result twice at once;
//   every game must be saved exactly once. Counters: the longest gap between
//   two ticks of a 10 ms timer on the GUI thread (how long a window would not
//   draw), and what the process grew by per table (queue, tables, saved games).
#include "history/ApplyChange.h"
#include "platform/TableDesk.h"
#include "store/TournamentStore.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <unistd.h>
#include <vector>

namespace {

using corvane::GameRecord;
using corvane::TournamentStore;
using corvane::platform::TableDesk;

constexpr int teamCount = 200;
constexpr int loadTables = 200;
constexpr int waitMilliseconds = 60000;
constexpr int tickMilliseconds = 10;

void ensureApplication() {
    if (QApplication::instance() == nullptr) {
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
        static int argc = 1;
        static char name[] = "table_entry_bench";
        static char* argv[] = {name, nullptr};
        new QApplication(argc, argv);
    }
}

// A tournament of `teams` teams in a temporary folder, as the program's store.
struct Tournament {
    QTemporaryDir dir;
    explicit Tournament(int teams) {
        TournamentStore::createStore();
        TournamentStore& store = *TournamentStore::instance;
        store.workingDirectory = dir.path().toStdString();
        store.tournamentFolder = "Tournament1";
        store.noTournamentYet = false;
        QDir(dir.path()).mkdir(QStringLiteral("Tournament1"));
        std::vector<std::string> players;
        for (int i = 0; i < 2 * teams; ++i) {
            players.push_back("Player " + std::to_string(i));
        }
        corvane::history::applyChange(store, corvane::history::AddPlayers{players});
        for (int i = 0; i < teams; ++i) {
            corvane::history::applyChange(
                store, corvane::history::BuildTeam{players[2 * i], players[2 * i + 1]});
        }
    }
    ~Tournament() { TournamentStore::destroyStore(); }
    static std::string team(int i) {
        return "Player " + std::to_string(2 * i) + " & Player " + std::to_string(2 * i + 1);
    }
    // Tables seating team 2i against team 2i + 1, `count` of them (teams reused).
    static std::vector<std::pair<std::string, std::string>> pairs(int count, int teams) {
        std::vector<std::pair<std::string, std::string>> out;
        for (int i = 0; i < count; ++i) {
            out.emplace_back(team((2 * i) % teams), team((2 * i + 1) % teams));
        }
        return out;
    }
};

// Every request from loopback is let through: the load comes from one address.
constexpr corvane::tables::RateLimits unlimited{1 << 20, std::chrono::seconds(10),
                                                std::chrono::seconds(1)};

// Confirmed results saved at once, on a loopback port of the system's choice.
bool startDesk(TableDesk& desk, benchmark::State& state) {
    desk.setSaveConfirmed(true);
    if (!desk.start(QHostAddress::LocalHost, 0).isEmpty()) {
        state.SkipWithError("no loopback port");
        return false;
    }
    return true;
}

// The process's resident memory, from /proc (0 where there is none).
long residentKiB() {
    std::ifstream statm("/proc/self/statm");
    long pages = 0;
    long resident = 0;
    statm >> pages >> resident;
    return resident * (::sysconf(_SC_PAGESIZE) / 1024);
}

QNetworkReply* post(QNetworkAccessManager& network, const QString& url, const QByteArray& body) {
    QNetworkRequest request{QUrl(url)};
    request.setHeader(QNetworkRequest::ContentTypeHeader, "application/x-www-form-urlencoded");
    return network.post(request, body);
}

bool waitFor(const std::vector<QNetworkReply*>& replies) {
    return QTest::qWaitFor(
        [&] {
            return std::all_of(replies.begin(), replies.end(),
                               [](QNetworkReply* r) { return r->isFinished(); });
        },
        waitMilliseconds);
}

QByteArray result(int table, int attempt) {
    return "id=bench-" + QByteArray::number(attempt) + "-" + QByteArray::number(table) +
           "&s1=" + QByteArray::number(100 + table % 500) + "&f1=0&s2=90&f2=1&both=1";
}

void BM_ConfirmedResultToStandings(benchmark::State& state) {
    ensureApplication();
    Tournament tournament(teamCount);
    TableDesk desk(nullptr, unlimited);
    if (!startDesk(desk, state)) {
        return;
    }
    QNetworkAccessManager network;
    const int tables = teamCount / 2;
    int next = tables;
    int round = 0;
    for (auto _ : state) {
        if (next == tables) {
            state.PauseTiming();
            desk.openRound(Tournament::pairs(tables, teamCount));
            next = 0;
            ++round;
            state.ResumeTiming();
        }
        const auto& table = desk.service().tables().tables()[static_cast<std::size_t>(next)];
        QNetworkReply* sent = post(network, desk.linkOf(table), result(next, round));
        QNetworkReply* rows = nullptr;
        if (!waitFor({sent}) || sent->readAll() != "saved") {
            state.SkipWithError("not saved");
            break;
        }
        rows = network.get(QNetworkRequest(QUrl(desk.address() + "/standings/rows")));
        if (!waitFor({rows}) || rows->readAll().isEmpty()) {
            state.SkipWithError("no standings");
            break;
        }
        sent->deleteLater();
        rows->deleteLater();
        ++next;
    }
}
BENCHMARK(BM_ConfirmedResultToStandings)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_TablesSubmittingTwice(benchmark::State& state) {
    ensureApplication();
    Tournament tournament(2 * loadTables);
    TableDesk desk(nullptr, unlimited);
    if (!startDesk(desk, state)) {
        return;
    }
    QNetworkAccessManager network;
    qint64 longestGap = 0;
    const long residentBefore = residentKiB();
    int round = 0;
    for (auto _ : state) {
        state.PauseTiming();
        desk.openRound(Tournament::pairs(loadTables, 2 * loadTables));
        const std::size_t before = TournamentStore::instance->games().size();
        ++round;
        state.ResumeTiming();
        QElapsedTimer sinceTick;
        sinceTick.start();
        QTimer ticker;
        QObject::connect(&ticker, &QTimer::timeout,
                         [&] { longestGap = std::max(longestGap, sinceTick.restart()); });
        ticker.start(tickMilliseconds);
        std::vector<QNetworkReply*> replies;
        for (int attempt = 0; attempt < 2; ++attempt) {
            for (int table = 0; table < loadTables; ++table) {
                replies.push_back(post(
                    network,
                    desk.linkOf(desk.service().tables().tables()[static_cast<std::size_t>(table)]),
                    result(table, round)));
            }
        }
        const bool answered = waitFor(replies);
        ticker.stop();
        state.PauseTiming();
        const std::size_t saved = TournamentStore::instance->games().size() - before;
        for (QNetworkReply* reply : replies) {
            reply->deleteLater();
        }
        if (!answered || saved != static_cast<std::size_t>(loadTables)) {
            state.SkipWithError("a game was not saved exactly once");
            break;
        }
        state.ResumeTiming();
    }
    state.counters["longestGuiGapMs"] = static_cast<double>(longestGap);
    // What the process grew by, per table: the queue, the tables, the saved games.
    state.counters["grownKiBPerTable"] =
        static_cast<double>(residentKiB() - residentBefore) / loadTables;
}
BENCHMARK(BM_TablesSubmittingTwice)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

} // namespace

// From the Yes of the save question to the new standings on screen, with real
// windows on the offscreen platform: the Game Results dialog saves a game of a
// tournament of 200 teams and 5,000 games, then
// - the projector display, in this process, draws the new leader board in place;
// - with no viewer open, a results viewer is started as a process of its own
//   and loads the leader board (started with --exit-after-load, which says when);
// - the results viewer left open reloads the leader board in place.
// The clock starts when the save question is answered and stops when the
// display's window has rendered the frame with the new table (not when the page
// made it, which under load is well before), or the viewer reports its page shown.
// BM_TableResultToDisplayDrawn does the same for a result a table confirms on
// its phone: the clock starts as the request is sent to the program's server
// on loopback, and results confirmed by both teams are saved at once.
#include "app/ViewResults.h"
#include "dialogs/GameResultsDialog.h"
#include "platform/DialogTemplate.h"
#include "platform/Services.h"
#include "platform/TableDesk.h"
#include "res/ids/GameResults.h"
#include "store/TournamentStore.h"
#include "viewer/DisplayWindow.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdlib>
#include <memory>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
using corvane::TournamentStore;
namespace ids = corvane::ids::gameResults;

constexpr int teamCount = 200;
constexpr int gameCount = 5000;

void ensureApplication() {
    if (QApplication::instance() == nullptr) {
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
        setenv("QTWEBENGINE_DISABLE_SANDBOX", "1", 0); // runs as root in CI
        QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
        static int argc = 1;
        static char name[] = "viewer_bench";
        static char* argv[] = {name, nullptr};
        new QApplication(argc, argv);
    }
}

// Every question answered Yes; the clock starts as the answer is given.
struct AnsweringYes final : corvane::platform::MessageBoxes {
    Clock::time_point answered;
    corvane::platform::MessageAnswer show(QWidget*, const QString&, const QString&,
                                          corvane::platform::MessageButtons buttons) override {
        answered = Clock::now();
        return buttons == corvane::platform::MessageButtons::Ok
                   ? corvane::platform::MessageAnswer::Ok
                   : corvane::platform::MessageAnswer::Yes;
    }
};

// Ends viewers as the program does; starts each as a child that says when its
// page is shown.
struct ReportingLauncher final : corvane::platform::ViewerLauncher {
    std::unique_ptr<corvane::platform::ViewerLauncher> system =
        corvane::platform::makeSystemViewerLauncher(CORVANE_VIEWER_PROGRAM);
    std::unique_ptr<QProcess> started;
    void endRunningViewers(const std::string& folder) override {
        system->endRunningViewers(folder);
    }
    bool showInRunningViewer(const std::string& folder, const std::string& page) override {
        return system->showInRunningViewer(folder, page);
    }
    bool startViewer(const std::string& page) override {
        started = std::make_unique<QProcess>();
        started->start(QStringLiteral(CORVANE_VIEWER_PROGRAM),
                       {QStringLiteral("--exit-after-load"), QStringLiteral("--"),
                        QString::fromStdString(page)});
        return true;
    }
    bool startDisplay(const std::string&, const std::string&) override { return false; }
};

// The process-wide store holding the tournament, its files written, in a
// scratch working directory; the Game Results dialog open on it.
struct SavingTournament {
    QTemporaryDir dir;
    AnsweringYes boxes;
    ReportingLauncher launcher;
    std::unique_ptr<corvane::dialogs::GameResultsDialog> dialog;

    SavingTournament() {
        ensureApplication();
        TournamentStore::destroyStore();
        TournamentStore::createStore();
        TournamentStore& store = *TournamentStore::instance;
        store.workingDirectory = dir.path().toStdString();
        store.tournamentFolder = "Tournament1";
        store.noTournamentYet = false;
        QDir(dir.path()).mkpath(QStringLiteral("Tournament1"));
        for (int i = 0; i < teamCount; ++i)
            store.buildTeam("Player " + std::to_string(i) + "a",
                            "Player " + std::to_string(i) + "b");
        store.refreshOpponentLists();
        for (int i = 0; i < gameCount; ++i) {
            const auto first = static_cast<std::size_t>((i * 7) % teamCount);
            const auto second = static_cast<std::size_t>((i * 7 + 1 + i % 13) % teamCount);
            store.recordGame({100 + i % 900, 900 - i % 700, i % 3, i % 2,
                              store.teams()[first].teamName, store.teams()[second].teamName});
        }
        if (!store.writePlayers().ok() || !store.writeTeams().ok() || !store.writeGames().ok())
            std::abort();
        auto& services = corvane::platform::services();
        services.messages = &boxes;
        services.viewer = &launcher;
        services.publisher = &corvane::app::resultsPublisher();
        corvane::app::viewResults(nullptr); // the pages as they stand
        dialog = std::make_unique<corvane::dialogs::GameResultsDialog>();
        dialog->show();
        QApplication::processEvents();
    }
    ~SavingTournament() {
        dialog.reset();
        corvane::platform::services() = {};
        TournamentStore::destroyStore();
    }

    QString leaderBoard() const { return dir.filePath("Tournament1/tournament.html"); }

    // Fills in a game and presses Save; the question is answered Yes.
    void save(int round) {
        using corvane::platform::control;
        control<QComboBox>(*dialog, ids::team1)->setCurrentIndex(round % teamCount);
        control<QComboBox>(*dialog, ids::team2)->setCurrentIndex((round + 1) % teamCount);
        control<QLineEdit>(*dialog, ids::team1Score)->setText(QString::number(100 + round % 800));
        control<QLineEdit>(*dialog, ids::team2Score)->setText(QString::number(90 + round % 700));
        control<QPushButton>(*dialog, ids::save)->click();
    }
};

// Each iteration's time, set as the iteration's and kept for the median, the
// figure asked for; a mean hides one slow frame or one fast one.
struct Times {
    std::vector<double> seconds;
    void stop(benchmark::State& state, Clock::time_point start) {
        seconds.push_back(std::chrono::duration<double>(Clock::now() - start).count());
        state.SetIterationTime(seconds.back());
    }
    void report(benchmark::State& state) {
        std::sort(seconds.begin(), seconds.end());
        if (!seconds.empty())
            state.counters["median_ms"] = 1000 * seconds[seconds.size() / 2];
    }
};

// The projector display of the tournament, shown and drawn once.
struct ShownDisplay {
    corvane::viewer::DisplayWindow display;
    QSignalSpy updated{&display, &corvane::viewer::DisplayWindow::updated};
    explicit ShownDisplay(const SavingTournament& tournament) : display(tournament.dir.path()) {
        display.ShowOn(QGuiApplication::primaryScreen());
        while (updated.isEmpty())
            updated.wait(1000);
    }
};

void BM_SaveToDisplayDrawn(benchmark::State& state) {
    SavingTournament tournament;
    ShownDisplay shown(tournament);
    QSignalSpy& updated = shown.updated;
    int round = 0;
    Times times;
    for (auto _ : state) {
        updated.clear();
        tournament.save(++round);
        while (updated.isEmpty())
            updated.wait(1000);
        times.stop(state, tournament.boxes.answered);
        // The viewer started by the save finishes before the next game.
        tournament.launcher.started->waitForFinished(-1);
    }
    times.report(state);
}
BENCHMARK(BM_SaveToDisplayDrawn)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(15);

void BM_TableResultToDisplayDrawn(benchmark::State& state) {
    SavingTournament tournament;
    ShownDisplay shown(tournament);
    QSignalSpy& updated = shown.updated;
    corvane::platform::TableDesk desk;
    desk.setSaveConfirmed(true);
    if (!desk.start(QHostAddress::LocalHost, 0).isEmpty()) {
        state.SkipWithError("no loopback port");
        return;
    }
    std::vector<std::pair<std::string, std::string>> pairs;
    const auto& teams = TournamentStore::instance->teams();
    for (int i = 0; i + 1 < teamCount; i += 2)
        pairs.emplace_back(teams[static_cast<std::size_t>(i)].teamName,
                           teams[static_cast<std::size_t>(i + 1)].teamName);
    desk.openRound(pairs);
    QNetworkAccessManager network;
    int table = 0;
    Times times;
    for (auto _ : state) {
        if (tournament.launcher.started)
            tournament.launcher.started->waitForFinished(-1);
        updated.clear();
        QNetworkRequest request{
            QUrl(desk.linkOf(desk.service().tables().tables()[static_cast<std::size_t>(table)]))};
        request.setHeader(QNetworkRequest::ContentTypeHeader, "application/x-www-form-urlencoded");
        const Clock::time_point sent = Clock::now();
        QNetworkReply* reply =
            network.post(request, "id=bench-table-" + QByteArray::number(++table) +
                                      "&s1=150&f1=0&s2=120&f2=1&both=1");
        while (updated.isEmpty())
            updated.wait(1000);
        times.stop(state, sent);
        reply->deleteLater();
    }
    // The viewer the last save started ends before the tournament goes.
    if (tournament.launcher.started)
        tournament.launcher.started->waitForFinished(-1);
    times.report(state);
}
BENCHMARK(BM_TableResultToDisplayDrawn)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(15);

void BM_SaveToViewerShown(benchmark::State& state) {
    SavingTournament tournament;
    int round = 0;
    Times times;
    for (auto _ : state) {
        // No viewer open (the last one ended after its page): one is started.
        tournament.save(++round);
        QProcess& viewer = *tournament.launcher.started;
        while (viewer.bytesAvailable() == 0 && viewer.state() != QProcess::NotRunning)
            viewer.waitForReadyRead(1000);
        times.stop(state, tournament.boxes.answered);
        viewer.waitForFinished(-1);
    }
    times.report(state);
}
BENCHMARK(BM_SaveToViewerShown)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(8);

// The viewer stays open: each save has it reload the leader board in place.
void BM_SaveToOpenViewerReloaded(benchmark::State& state) {
    SavingTournament tournament;
    // The viewer of the first publish ends after its page; this one then answers.
    if (tournament.launcher.started)
        tournament.launcher.started->waitForFinished(-1);
    QProcess viewer;
    viewer.start(QStringLiteral(CORVANE_VIEWER_PROGRAM),
                 {QStringLiteral("--print-loads"), QStringLiteral("--"), tournament.leaderBoard()});
    const auto nextLoad = [&viewer] {
        constexpr int patience = 30; // seconds
        for (int waited = 0;
             !viewer.canReadLine() && viewer.state() != QProcess::NotRunning && waited < patience;
             ++waited)
            viewer.waitForReadyRead(1000);
        return viewer.readLine().startsWith("loaded");
    };
    if (!nextLoad()) {
        state.SkipWithError("the viewer did not show the leader board");
        return;
    }
    // Its socket is listening once the first page is shown.
    int round = 0;
    Times times;
    for (auto _ : state) {
        tournament.save(++round);
        if (!nextLoad()) {
            state.SkipWithError("the open viewer did not reload");
            break;
        }
        times.stop(state, tournament.boxes.answered);
    }
    times.report(state);
    viewer.terminate();
    viewer.waitForFinished(-1);
}
BENCHMARK(BM_SaveToOpenViewerReloaded)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(15);

} // namespace

// Opening the data-entry dialogs on tournaments far larger than any real one:
// every list and box filled from the store. Sizes grow tenfold, so the growth
// shows; the middle size is the one asked for, 2,000 players and 1,000 teams.
#include "dialogs/AddPlayerDialog.h"
#include "dialogs/GameResultsDialog.h"
#include "dialogs/TeamBuilderDialog.h"
#include "store/TournamentStore.h"

#include <QApplication>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <memory>

using corvane::GameRecord;
using corvane::TeamRecord;
using corvane::TournamentStore;

namespace {

void ensureApplication() {
    if (QApplication::instance() == nullptr) {
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
        static int argc = 1;
        static char name[] = "dialogs_bench";
        static char* argv[] = {name, nullptr};
        new QApplication(argc, argv);
    }
}

std::string playerName(int i) {
    // Not in store order alphabetically, so the sorted lists have work to do.
    char name[32];
    std::snprintf(name, sizeof name, "Player %05d", (i * 7919) % 100000);
    return name;
}

// Shown and laid out once, as the organiser sees it.
void shown(QDialog& dialog) {
    dialog.show();
    QApplication::processEvents();
    benchmark::DoNotOptimize(&dialog);
}

// A fresh process-wide store: `players` players, the first 2 x `teams` of them
// paired into teams, and `games` games between neighbouring teams.
void makeTournament(int players, int teams, int games) {
    ensureApplication();
    TournamentStore::destroyStore();
    TournamentStore::createStore();
    TournamentStore& store = *TournamentStore::instance;
    for (int i = 0; i < players; ++i) {
        store.addPlayer(playerName(i));
    }
    for (int i = 0; i < teams; ++i) {
        store.buildTeam(playerName(2 * i), playerName(2 * i + 1));
    }
    for (int i = 0; i < games && teams > 1; ++i) {
        GameRecord game;
        game.team1Name = store.teams()[static_cast<std::size_t>(i % teams)].teamName;
        game.team2Name = store.teams()[static_cast<std::size_t>((i + 1) % teams)].teamName;
        game.team1Score = 100 + i % 900;
        game.team2Score = 900 - i % 900;
        store.recordGame(std::move(game));
    }
}

void BM_AddPlayerOpen(benchmark::State& state) {
    makeTournament(static_cast<int>(state.range(0)), 0, 0);
    for (auto _ : state) {
        corvane::dialogs::AddPlayerDialog dialog;
        shown(dialog);
    }
}
BENCHMARK(BM_AddPlayerOpen)->Arg(200)->Arg(2000)->Arg(20000)->Unit(benchmark::kMillisecond);

// All players in teams, then as many again still free.
void BM_TeamBuilderOpen(benchmark::State& state) {
    const int teams = static_cast<int>(state.range(0));
    const int players = static_cast<int>(state.range(1)) * teams;
    makeTournament(players, teams, 0);
    for (auto _ : state) {
        corvane::dialogs::TeamBuilderDialog dialog;
        shown(dialog);
    }
}
BENCHMARK(BM_TeamBuilderOpen)
    ->Args({100, 2})
    ->Args({1000, 2})
    ->Args({1000, 4})
    ->Args({10000, 2})
    ->Args({10000, 4})
    ->Unit(benchmark::kMillisecond);

// Refilling both lists after a build, in an open dialog.
void BM_TeamBuilderRefill(benchmark::State& state) {
    const int teams = static_cast<int>(state.range(0));
    makeTournament(4 * teams, teams, 0);
    corvane::dialogs::TeamBuilderDialog dialog;
    for (auto _ : state) {
        dialog.FillAvailablePlayers();
        dialog.FillTeamList();
    }
}
BENCHMARK(BM_TeamBuilderRefill)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_GameResultsOpen(benchmark::State& state) {
    const int games = static_cast<int>(state.range(0));
    makeTournament(2000, 1000, games);
    for (auto _ : state) {
        corvane::dialogs::GameResultsDialog dialog;
        shown(dialog);
    }
}
BENCHMARK(BM_GameResultsOpen)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace

// Each CSV export of a large tournament, and a long list of names judged and
// added, with the one write of players.txt that follows.
#include "bench/ScratchTournament.h"
#include "exports/TournamentCsv.h"
#include "imports/NameList.h"
#include "imports/NameReview.h"
#include "store/TournamentStore.h"

#include <benchmark/benchmark.h>
#include <cstdint>
#include <string>

namespace {

using corvane::TournamentStore;

// A name that needs quoting now and then, as real club lists do.
std::string playerName(int i) {
    switch (i % 4) {
    case 0:
        return "Smith, Player " + std::to_string(i);
    case 1:
        return "Player \"" + std::to_string(i) + "\" Lee";
    default:
        return "Zo\xC3\xAB Player " + std::to_string(i);
    }
}

using ScratchTournament = corvane::bench::ScratchTournament;
constexpr const char* scratchPrefix = "corvane-exports-bench";

// `teams` teams of registered players and `games` games between them.
ScratchTournament& played(int teams, int games) {
    static ScratchTournament scratch(scratchPrefix);
    TournamentStore& store = scratch.store;
    if (store.teams().size() == static_cast<std::size_t>(teams) &&
        store.games().size() == static_cast<std::size_t>(games)) {
        return scratch;
    }
    store.clearAll();
    for (int i = 0; i < 2 * teams; ++i) {
        store.addPlayer(playerName(i));
    }
    for (int i = 0; i < teams; ++i) {
        store.buildTeam(playerName(2 * i), playerName(2 * i + 1));
    }
    store.refreshOpponentLists();
    std::uint32_t seed = 2026;
    const auto draw = [&seed](std::uint32_t bound) {
        seed = seed * 1103515245u + 12345u;
        return static_cast<int>((seed >> 8) % bound);
    };
    for (int g = 0; g < games; ++g) {
        const int first = draw(static_cast<std::uint32_t>(teams));
        const int second = (first + 1 + draw(static_cast<std::uint32_t>(teams - 1))) % teams;
        store.recordGame({draw(1801), draw(1801), draw(4), draw(4), store.teams()[first].teamName,
                          store.teams()[second].teamName});
    }
    return scratch;
}

void BM_Export(benchmark::State& state) {
    const auto kind = static_cast<corvane::ExportKind>(state.range(0));
    TournamentStore& store =
        played(static_cast<int>(state.range(1)), static_cast<int>(state.range(2))).store;
    std::size_t bytes = 0;
    for (auto _ : state) {
        const std::string csv = corvane::exportCsv(store, kind);
        bytes = csv.size();
        benchmark::DoNotOptimize(csv.data());
    }
    state.SetLabel(std::string(corvane::exportTable(kind).name));
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(bytes));
}

// A list of `count` names pasted into a tournament of 4,000 players: one in
// ten is already registered, one in fifty repeats an earlier line; then every
// name to add is added and players.txt written once.
void BM_AddFromList(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    constexpr int registered = 4000;
    std::string text;
    for (int i = 0; i < count; ++i) {
        const int player = i % 10 == 0 ? i % registered : registered + (i % 50 == 5 ? i - 1 : i);
        text += playerName(player) + "\n";
    }
    ScratchTournament scratch(scratchPrefix);
    std::size_t added = 0;
    for (auto _ : state) {
        state.PauseTiming();
        scratch.store.clearAll();
        for (int i = 0; i < registered; ++i) {
            scratch.store.addPlayer(playerName(i));
        }
        state.ResumeTiming();
        const corvane::NameReview review = corvane::reviewNames(
            corvane::listedNames(corvane::splitLines(text), {}), scratch.store);
        added = review.addedCount;
        scratch.store.addPlayers(review.namesToAdd());
        if (!scratch.store.writePlayers().ok()) {
            state.SkipWithError("cannot write players.txt");
        }
    }
    state.counters["added"] = static_cast<double>(added);
}

} // namespace

BENCHMARK(BM_Export)->ArgsProduct({{0, 1, 2, 3}, {2000}, {200000}})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AddFromList)->Arg(10000)->Unit(benchmark::kMillisecond);

// Undo and redo, journal lines and backups at 200 teams and 5,000 games, the
// journal holding one line for every game saved.
#include "history/ApplyChange.h"
#include "history/ChangeHistory.h"
#include "history/Journal.h"
#include "store/AtomicFile.h"
#include "store/Backups.h"
#include "store/TournamentStore.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <fstream>
#include <stdlib.h>

namespace {

namespace fs = std::filesystem;
using namespace corvane;

constexpr int teamCount = 200;
constexpr int gameCount = 5000;

// A tournament whose games were saved one by one, as the journal tells.
class Tournament {
public:
    Tournament() {
        std::string pattern = (fs::temp_directory_path() / "corvane-history-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) {
            std::abort();
        }
        store.workingDirectory = pattern;
        store.tournamentFolder = "Tournament1";
        fs::create_directory(store.tournamentPath());
        for (int i = 0; i < teamCount; ++i) {
            store.addPlayer("P" + std::to_string(i) + "a");
            store.addPlayer("P" + std::to_string(i) + "b");
            store.buildTeam("P" + std::to_string(i) + "a", "P" + std::to_string(i) + "b");
        }
        store.refreshOpponentLists();
        std::ofstream journal(history::journalPath(store));
        for (int g = 0; g < gameCount; ++g) {
            const GameRecord game{
                g % 1801,
                (g * 7) % 1801,
                0,
                0,
                store.teams()[static_cast<std::size_t>(g % teamCount)].teamName,
                store.teams()[static_cast<std::size_t>((g + 1) % teamCount)].teamName};
            store.recordGame(game);
            journal << history::formatLine(history::journalLineOf(
                           store, history::SaveGame{game, static_cast<std::size_t>(g)}, {}))
                    << "\n";
        }
        if (!store.writePlayers().ok() || !store.writeTeams().ok() || !store.writeGames().ok()) {
            std::abort();
        }
    }
    ~Tournament() { fs::remove_all(store.workingDirectory); }
    TournamentStore store;
};

Tournament& tournament() {
    static Tournament made;
    return made;
}

// One undo and one redo of the last game through the door, each keeping a
// version, writing games.txt as a transaction and journaling.
void BM_UndoThenRedo(benchmark::State& state) {
    TournamentStore& store = tournament().store;
    for (auto _ : state) {
        if (!history::undoChange(store).done || !history::redoChange(store).done) {
            state.SkipWithError("a step was refused");
            return;
        }
    }
    state.counters["steps"] = benchmark::Counter(2, benchmark::Counter::kIsIterationInvariantRate);
}

// What Undo would take back, read from the 5,000-line journal: the part of a
// step that is neither the store's change nor the disk's syncs.
void BM_ReadHistory(benchmark::State& state) {
    const TournamentStore& store = tournament().store;
    for (auto _ : state) {
        benchmark::DoNotOptimize(history::undoLabel(store));
    }
}

// A journal line made, without the disk.
void BM_JournalLineText(benchmark::State& state) {
    const TournamentStore& store = tournament().store;
    const GameRecord& game = store.games().back();
    for (auto _ : state) {
        benchmark::DoNotOptimize(history::formatLine(
            {history::localTimeNow(), 1, std::string(history::saveGameAction), {game.team1Name}}));
    }
}

// A journal line made and appended, synced to the disk.
void BM_JournalLine(benchmark::State& state) {
    TournamentStore& store = tournament().store;
    const GameRecord& game = store.games().back();
    const std::string path = store.filePath("bench-journal.txt");
    for (auto _ : state) {
        const history::JournalLine line =
            history::journalLineOf(store, history::SaveGame{game, store.games().size() - 1}, {});
        if (!history::appendLine(path, line).ok()) {
            state.SkipWithError("append failed");
            return;
        }
    }
}

// The three files kept as one version (links) and the old versions pruned,
// against games.txt written whole.
void BM_KeepVersion(benchmark::State& state) {
    TournamentStore& store = tournament().store;
    for (auto _ : state) {
        if (!keepVersion(store.tournamentPath(), TournamentStore::dataFileNames).ok()) {
            state.SkipWithError("no version kept");
            return;
        }
    }
}

void BM_SaveGamesWithoutBackup(benchmark::State& state) {
    TournamentStore& store = tournament().store;
    std::ifstream in(store.filePath("games.txt"), std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), {});
    const std::string path = store.filePath("bench-games.txt");
    for (auto _ : state) {
        if (!writeFileAtomically(path, bytes).ok()) {
            state.SkipWithError("save failed");
            return;
        }
    }
}

} // namespace

BENCHMARK(BM_UndoThenRedo)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadHistory)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_JournalLineText)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_JournalLine)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_KeepVersion)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveGamesWithoutBackup)->Unit(benchmark::kMillisecond);

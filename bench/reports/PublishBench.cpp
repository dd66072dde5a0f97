// Publishing cost against writing the same bytes into the same files.
#include "bench/ScratchTournament.h"
#include "reports/WriteReports.h"
#include "store/AtomicFile.h"

#include <benchmark/benchmark.h>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <stdexcept>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using corvane::TournamentStore;

// A played tournament of `teamCount` teams and `gameCount` games in a
// temporary working directory, with the pages of one publish kept in memory.
struct Tournament : corvane::bench::ScratchTournament {
    std::vector<std::pair<std::string, std::string>> pages; // path, bytes

    Tournament(int teamCount, int gameCount) : ScratchTournament("corvane-publish-bench") {
        for (int i = 0; i < teamCount; ++i) {
            store.buildTeam("Player " + std::to_string(i) + "a",
                            "Player " + std::to_string(i) + "b");
        }
        store.refreshOpponentLists();
        std::uint64_t seed = 12345;
        const auto next = [&seed](std::uint64_t bound) {
            seed = seed * 6364136223846793005u + 1442695040888963407u;
            return (seed >> 33) % bound;
        };
        for (int g = 0; g < gameCount; ++g) {
            const auto first = next(static_cast<std::uint64_t>(teamCount));
            auto second = next(static_cast<std::uint64_t>(teamCount - 1));
            second += second >= first ? 1 : 0;
            corvane::GameRecord game;
            game.team1Name = store.teams()[first].teamName;
            game.team2Name = store.teams()[second].teamName;
            game.team1Score = static_cast<std::int32_t>(next(1801));
            game.team2Score = static_cast<std::int32_t>(next(1801));
            game.team1Flags = static_cast<std::int32_t>(next(4));
            game.team2Flags = static_cast<std::int32_t>(next(4));
            store.recordGame(std::move(game));
        }
        const corvane::ReportOutcome outcome = writeReports(store);
        if (!outcome.ok()) {
            throw std::runtime_error(outcome.failures.front().message());
        }
        for (const std::string& path : outcome.written) {
            std::ifstream in(path, std::ios::binary);
            std::ostringstream bytes;
            bytes << in.rdbuf();
            pages.emplace_back(path, bytes.str());
        }
    }
    std::int64_t totalBytes() const {
        std::int64_t total = 0;
        for (const auto& page : pages) {
            total += static_cast<std::int64_t>(page.second.size());
        }
        return total;
    }
};

Tournament& tournament(int teams, int games) {
    static std::map<std::pair<int, int>, std::unique_ptr<Tournament>> built;
    auto& slot = built[{teams, games}];
    if (!slot) {
        slot = std::make_unique<Tournament>(teams, games);
    }
    return *slot;
}

void report(benchmark::State& state, const Tournament& t) {
    state.SetBytesProcessed(state.iterations() * t.totalBytes());
    state.counters["pages"] = static_cast<double>(t.pages.size());
}

// Each timed round starts with nothing left to write back from the one
// before, so rounds do not pay for each other's disk traffic.
void settle() {
    ::sync();
}

// An empty folder for one round, the previous round's removed.
fs::path freshFolder(const Tournament& t, const std::string& prefix) {
    static int round = 0;
    std::error_code ignored;
    fs::remove_all(t.workingDirectory / (prefix + std::to_string(round)), ignored);
    const fs::path folder = t.workingDirectory / (prefix + std::to_string(++round));
    fs::create_directory(folder);
    return folder;
}

void publish(benchmark::State& state, Tournament& t) {
    const corvane::ReportOutcome outcome = writeReports(t.store);
    benchmark::DoNotOptimize(outcome.written.data());
    if (!outcome.ok()) {
        state.SkipWithError(outcome.failures.front().message().c_str());
    }
}

// Every page in turn opened, written and closed: in `folder`, or where it is.
bool rawWrite(const Tournament& t, const fs::path& folder) {
    for (const auto& [path, bytes] : t.pages) {
        const std::string target =
            folder.empty() ? path : (folder / fs::path(path).filename()).string();
        std::FILE* file = std::fopen(target.c_str(), "wb");
        if (file == nullptr) {
            return false;
        }
        std::fwrite(bytes.data(), 1, bytes.size(), file);
        std::fclose(file);
    }
    return true;
}

Tournament& tournamentOf(const benchmark::State& state) {
    return tournament(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
}

// The last game's score corrected in the store, as Correct Game does; its teams.
std::vector<std::string> correctLastGame(Tournament& t) {
    corvane::GameRecord game = t.store.games().back();
    t.store.removeGameAt(t.store.games().size() - 1);
    game.team1Score ^= 1;
    std::vector<std::string> teams{game.team1Name, game.team2Name};
    t.store.recordGame(std::move(game));
    return teams;
}

// Publishing again with nothing changed.
void BM_WriteReportsUnchanged(benchmark::State& state) {
    Tournament& t = tournamentOf(state);
    for (auto _ : state) {
        state.PauseTiming();
        settle();
        state.ResumeTiming();
        publish(state, t);
    }
    report(state, t);
}

// Publishing after a game's score was corrected: its two teams' pages change.
void BM_WriteReportsAfterGame(benchmark::State& state) {
    Tournament& t = tournamentOf(state);
    for (auto _ : state) {
        state.PauseTiming();
        (void)correctLastGame(t);
        settle();
        state.ResumeTiming();
        publish(state, t);
    }
    report(state, t);
}

// The same game corrected, published as a change publishes it: the standings,
// the leader board and the two teams' pages only.
void BM_WriteReportsOfGame(benchmark::State& state) {
    Tournament& t = tournamentOf(state);
    for (auto _ : state) {
        state.PauseTiming();
        const std::vector<std::string> teams = correctLastGame(t);
        settle();
        state.ResumeTiming();
        const corvane::ReportOutcome outcome = writeReportsOf(t.store, teams);
        if (!outcome.ok() || outcome.written.size() != 3) {
            state.SkipWithError("not the three pages");
        }
    }
    report(state, t);
}

// Those three pages' bytes written raw over them.
void BM_RawWriteOfGame(benchmark::State& state) {
    Tournament& t = tournamentOf(state);
    const corvane::GameRecord& game = t.store.games().back();
    const corvane::ReportOutcome outcome =
        writeReportsOf(t.store, std::vector<std::string>{game.team1Name, game.team2Name});
    std::vector<std::pair<std::string, std::string>> three;
    for (const std::string& path : outcome.written) {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream bytes;
        bytes << in.rdbuf();
        three.emplace_back(path, bytes.str());
    }
    for (auto _ : state) {
        state.PauseTiming();
        settle();
        state.ResumeTiming();
        for (const auto& [path, bytes] : three) {
            std::FILE* file = std::fopen(path.c_str(), "wb");
            if (file == nullptr) {
                state.SkipWithError("cannot open a page");
                break;
            }
            std::fwrite(bytes.data(), 1, bytes.size(), file);
            std::fclose(file);
        }
    }
}

// Publishing every page anew, into a folder that holds none yet.
void BM_WriteReportsAllNew(benchmark::State& state) {
    Tournament& t = tournamentOf(state);
    const std::string folder = t.store.tournamentFolder;
    for (auto _ : state) {
        state.PauseTiming();
        t.store.tournamentFolder = freshFolder(t, "Fresh").filename().string();
        settle();
        state.ResumeTiming();
        publish(state, t);
    }
    t.store.tournamentFolder = folder;
    report(state, t);
}

// The same bytes over the pages already there.
void BM_RawWrite(benchmark::State& state) {
    Tournament& t = tournamentOf(state);
    for (auto _ : state) {
        state.PauseTiming();
        settle();
        state.ResumeTiming();
        if (!rawWrite(t, {})) {
            state.SkipWithError("cannot open a page");
        }
    }
    report(state, t);
}

// The same bytes into new files of a folder that holds none yet.
void BM_RawWriteAllNew(benchmark::State& state) {
    Tournament& t = tournamentOf(state);
    for (auto _ : state) {
        state.PauseTiming();
        const fs::path folder = freshFolder(t, "RawFresh");
        settle();
        state.ResumeTiming();
        if (!rawWrite(t, folder)) {
            state.SkipWithError("cannot open a page");
        }
    }
    report(state, t);
}

// The same bytes through the synced replacement the data files use.
void BM_SyncedWrite(benchmark::State& state) {
    Tournament& t = tournamentOf(state);
    for (auto _ : state) {
        state.PauseTiming();
        settle();
        state.ResumeTiming();
        for (const auto& [path, bytes] : t.pages) {
            if (!corvane::writeFileAtomically(path, bytes).ok()) {
                state.SkipWithError("cannot write a page");
                break;
            }
        }
    }
    report(state, t);
}

void sizes(benchmark::internal::Benchmark* b) {
    b->Args({200, 5000})->Args({2000, 200000})->Unit(benchmark::kMillisecond)->UseRealTime();
}

BENCHMARK(BM_WriteReportsUnchanged)->Apply(sizes);
BENCHMARK(BM_WriteReportsAfterGame)->Apply(sizes);
BENCHMARK(BM_WriteReportsOfGame)->Apply(sizes);
BENCHMARK(BM_RawWriteOfGame)->Apply(sizes);
BENCHMARK(BM_WriteReportsAllNew)->Apply(sizes);
BENCHMARK(BM_RawWrite)->Apply(sizes);
BENCHMARK(BM_RawWriteAllNew)->Apply(sizes);
BENCHMARK(BM_SyncedWrite)->Apply(sizes);

} // namespace

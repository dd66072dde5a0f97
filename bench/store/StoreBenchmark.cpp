// Loading, growing and saving a tournament far larger than any real one:
// a tenth and the full size, so the growth shows.
#include "store/AtomicFile.h"
#include "store/TextLines.h"
#include "store/TournamentStore.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <stdlib.h>
#include <unistd.h>

using corvane::GameRecord;
using corvane::TeamRecord;
using corvane::TournamentStore;

namespace {

std::string readAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

std::string playerName(int i) {
    char name[32];
    std::snprintf(name, sizeof name, "Player %05d", i);
    return name;
}

// A tournament folder with `teams` teams and `games` games, written once per size.
class Tournament {
public:
    Tournament(int teams, int games) {
        std::string pattern = (std::filesystem::temp_directory_path() / "corvane-bench-XXXXXX");
        if (::mkdtemp(pattern.data()) == nullptr) {
            std::abort();
        }
        root_ = pattern;
        std::filesystem::create_directory(root_ + "/Tournament1");
        TournamentStore store;
        attach(store);
        for (int i = 0; i < 2 * teams; ++i) {
            store.addPlayer(playerName(i));
        }
        for (int i = 0; i < teams; ++i) {
            store.buildTeam(playerName(2 * i), playerName(2 * i + 1));
        }
        unsigned seed = 12345;
        const auto next = [&seed](unsigned range) {
            seed = seed * 1103515245u + 12345u;
            return static_cast<int>((seed >> 8) % range);
        };
        for (int i = 0; i < games; ++i) {
            GameRecord game;
            const int a = next(static_cast<unsigned>(teams));
            const int b = (a + 1 + next(static_cast<unsigned>(teams - 1))) % teams;
            game.team1Name = store.teams()[static_cast<std::size_t>(a)].teamName;
            game.team2Name = store.teams()[static_cast<std::size_t>(b)].teamName;
            game.team1Score = next(1801);
            game.team2Score = next(1801);
            game.team1Flags = next(5);
            game.team2Flags = next(5);
            store.recordGame(std::move(game));
        }
        if (!store.writePlayers().ok() || !store.writeTeams().ok() || !store.writeGames().ok()) {
            std::abort();
        }
    }
    ~Tournament() { std::filesystem::remove_all(root_); }

    void attach(TournamentStore& store) const {
        store.workingDirectory = root_;
        store.tournamentFolder = "Tournament1";
    }

    static const Tournament& ofSize(int teams, int games) {
        static std::map<std::pair<int, int>, std::unique_ptr<Tournament>> made;
        auto& slot = made[{teams, games}];
        if (!slot) {
            slot = std::make_unique<Tournament>(teams, games);
        }
        return *slot;
    }

    std::string root_;
};

const Tournament& tournamentFor(const benchmark::State& state) {
    return Tournament::ofSize(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
}

void loadAll(benchmark::State& state) {
    const Tournament& t = tournamentFor(state);
    for (auto _ : state) {
        auto store = std::make_unique<TournamentStore>();
        t.attach(*store);
        if (store->loadAll().refused()) {
            state.SkipWithError("load refused");
        }
        state.PauseTiming();
        if (store->games().size() != static_cast<std::size_t>(state.range(1))) {
            state.SkipWithError("games missing");
        }
        store.reset();
        state.ResumeTiming();
    }
    state.counters["games/s"] = benchmark::Counter(static_cast<double>(state.range(1)),
                                                   benchmark::Counter::kIsIterationInvariantRate);
}

void oneMoreTeam(benchmark::State& state) {
    const Tournament& t = tournamentFor(state);
    TournamentStore store;
    t.attach(store);
    if (store.loadAll().refused()) {
        state.SkipWithError("load refused");
    }
    const std::string teamsFile = store.filePath("teams.txt");
    const std::string original = readAll(teamsFile);
    int next = 1000000;
    for (auto _ : state) {
        store.addPlayer(playerName(next));
        store.addPlayer(playerName(next + 1));
        store.buildTeam(playerName(next), playerName(next + 1));
        next += 2;
        if (!store.writeTeams().ok()) {
            state.SkipWithError("writeTeams failed");
        }
    }
    // Leave the shared folder as it was for the other benchmarks.
    std::ofstream(teamsFile, std::ios::binary | std::ios::trunc) << original;
}

void writeGames(benchmark::State& state) {
    const Tournament& t = tournamentFor(state);
    TournamentStore store;
    t.attach(store);
    if (store.loadAll().refused()) {
        state.SkipWithError("load refused");
    }
    for (auto _ : state) {
        if (!store.writeGames().ok()) {
            state.SkipWithError("writeGames failed");
        }
    }
    state.SetBytesProcessed(
        static_cast<std::int64_t>(state.iterations()) *
        static_cast<std::int64_t>(std::filesystem::file_size(store.filePath("games.txt"))));
}

// The yardstick: the finished bytes of games.txt written to a file in one go,
// once as the page cache takes them and once synced to the disk as writeGames does.
void rawWrite(benchmark::State& state, bool sync) {
    const Tournament& t = tournamentFor(state);
    TournamentStore store;
    t.attach(store);
    const auto lines = corvane::readTextLines(store.filePath("games.txt"));
    std::string bytes;
    for (const auto& line : *lines) {
        bytes += line;
        bytes += '\n';
    }
    const std::string path = store.filePath("raw.txt");
    for (auto _ : state) {
        std::FILE* file = std::fopen(path.c_str(), "w");
        std::fwrite(bytes.data(), 1, bytes.size(), file);
        std::fflush(file);
        if (sync) {
            ::fsync(::fileno(file));
        }
        std::fclose(file);
    }
    std::filesystem::remove(path);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(bytes.size()));
}
void rawWriteCached(benchmark::State& state) {
    rawWrite(state, false);
}
void rawWriteSynced(benchmark::State& state) {
    rawWrite(state, true);
}

void sizes(benchmark::internal::Benchmark* b) {
    b->Args({200, 20000})->Args({2000, 200000})->Unit(benchmark::kMillisecond);
}

} // namespace

// 2,000 teams with a tenth of the games parts the opponent lists' fixed cost
// (one entry per pair of teams) from the part that grows with the games.
BENCHMARK(loadAll)->Apply(sizes)->Args({2000, 20000})->Iterations(3);
BENCHMARK(oneMoreTeam)->Apply(sizes)->Iterations(20);
BENCHMARK(writeGames)->Apply(sizes);
BENCHMARK(rawWriteCached)->Apply(sizes);
BENCHMARK(rawWriteSynced)->Apply(sizes);

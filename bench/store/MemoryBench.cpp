// The memory a whole load and publish takes: corvane-cli publish run on a
// tournament folder of each size, its peak resident memory read from the
// system when it ends. A process of its own each time, so nothing else this
// benchmark holds is counted.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <spawn.h>
#include <stdlib.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>

extern char** environ;

namespace {

namespace fs = std::filesystem;

// A working directory with tournament 1 of `teams` teams and `games` games,
// written once per size as the program writes its files.
class Folder {
public:
    Folder(int teams, int games) {
        std::string pattern = (fs::temp_directory_path() / "corvane-memory-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) {
            std::abort();
        }
        root_ = pattern;
        fs::create_directory(root_ / "Tournament1");
        std::ofstream(root_ / "tournament.dat") << "TOURNAMENT 1\n";
        std::ofstream players(root_ / "Tournament1/players.txt");
        std::ofstream teamLines(root_ / "Tournament1/teams.txt");
        for (int i = 0; i < teams; ++i) {
            players << "PLAYER Player " << i << "a\nPLAYER Player " << i << "b\n";
            teamLines << "TEAM " << name(i) << "\n";
        }
        std::ofstream gameBlocks(root_ / "Tournament1/games.txt");
        unsigned seed = 12345;
        const auto next = [&seed](unsigned range) {
            seed = seed * 1103515245u + 12345u;
            return static_cast<int>((seed >> 8) % range);
        };
        for (int g = 0; g < games; ++g) {
            const int a = next(static_cast<unsigned>(teams));
            const int b = (a + 1 + next(static_cast<unsigned>(teams - 1))) % teams;
            gameBlocks << "GAME\n{\n   TEAM1_NAME " << name(a) << "\n   TEAM1_SCORE " << next(1801)
                       << "\n   TEAM1_FLAGS " << next(5) << "\n   TEAM2_NAME " << name(b)
                       << "\n   TEAM2_SCORE " << next(1801) << "\n   TEAM2_FLAGS " << next(5)
                       << "\n}\n";
        }
    }
    ~Folder() { fs::remove_all(root_); }
    const fs::path& root() const { return root_; }

    static const Folder& ofSize(int teams, int games) {
        static std::map<std::pair<int, int>, std::unique_ptr<Folder>> made;
        auto& slot = made[{teams, games}];
        if (!slot) {
            slot = std::make_unique<Folder>(teams, games);
        }
        return *slot;
    }

private:
    static std::string name(int i) {
        return "Player " + std::to_string(i) + "a & Player " + std::to_string(i) + "b";
    }
    fs::path root_;
};

void loadAndPublish(benchmark::State& state) {
    const Folder& folder =
        Folder::ofSize(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    long peakKiB = 0;
    for (auto _ : state) {
        std::string program = CORVANE_CLI, command = "publish", directory = folder.root();
        char* argv[] = {program.data(), command.data(), directory.data(), nullptr};
        posix_spawn_file_actions_t quiet;
        posix_spawn_file_actions_init(&quiet);
        posix_spawn_file_actions_addopen(&quiet, 1, "/dev/null", O_WRONLY, 0);
        pid_t child = 0;
        const int spawned = ::posix_spawn(&child, argv[0], &quiet, nullptr, argv, environ);
        posix_spawn_file_actions_destroy(&quiet);
        int status = 0;
        rusage usage{};
        if (spawned != 0 || ::wait4(child, &status, 0, &usage) != child || status != 0) {
            state.SkipWithError("corvane-cli publish failed");
            return;
        }
        peakKiB = std::max(peakKiB, usage.ru_maxrss);
    }
    state.counters["peak_MiB"] = static_cast<double>(peakKiB) / 1024.0;
}

} // namespace

BENCHMARK(loadAndPublish)
    ->Args({200, 20000})
    ->Args({2000, 200000})
    ->Args({10000, 100000})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

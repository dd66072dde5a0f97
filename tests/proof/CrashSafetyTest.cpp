// A process saving the tournament is killed at random moments, hundreds of
// times: afterwards every file must be one whole version the process wrote,
// and the tournament must load.
#include "SaveVersions.h"
#include "TempDir.h"

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <gtest/gtest.h>
#include <random>
#include <signal.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace corvane::proof {
namespace {

using corvane::testing::readBytes;
using corvane::testing::TempDir;
namespace fs = std::filesystem;

pid_t startSaveLoop(const std::string& workingDirectory) {
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::execl(CORVANE_SAVE_LOOP, CORVANE_SAVE_LOOP, workingDirectory.c_str(),
                static_cast<char*>(nullptr));
        ::_exit(127);
    }
    return pid;
}

std::size_t countOf(const std::string& text, std::string_view what) {
    std::size_t count = 0;
    for (auto at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) {
        ++count;
    }
    return count;
}

struct Counts {
    std::size_t players = 0;
    std::size_t teams = 0;
    std::size_t games = 0;
};

// Each file holds exactly the version its record count says; returns the counts.
Counts checkWholeVersions(const TempDir& dir) {
    Counts found;
    const std::string players = readBytes(dir.file("Tournament1/players.txt"));
    found.players = countOf(players, "\n");
    EXPECT_EQ(players, playersVersion(found.players));
    const std::string teams = readBytes(dir.file("Tournament1/teams.txt"));
    found.teams = countOf(teams, "\n");
    EXPECT_EQ(teams, teamsVersion(found.teams));
    const std::string games = readBytes(dir.file("Tournament1/games.txt"));
    found.games = countOf(games, "GAME\n");
    EXPECT_EQ(games, gamesVersion(found.games));
    // tournament.dat is saved last, so it may lag behind the games by any number.
    if (fs::exists(dir.file("tournament.dat"))) {
        const std::string dat = readBytes(dir.file("tournament.dat"));
        bool whole = false;
        for (std::size_t g = 0; g <= found.games && !whole; ++g) {
            whole = dat == tournamentDatVersion(g);
        }
        EXPECT_TRUE(whole) << dat << " with " << found.games << " games";
    }
    return found;
}

void checkLoads(const TempDir& dir, const Counts& counts) {
    TournamentStore store;
    store.readTournamentNumber(dir.path());
    store.tournamentFolder = "Tournament1";
    store.loadAll();
    EXPECT_EQ(store.players.size(), counts.players);
    EXPECT_EQ(store.teams.size(), counts.teams);
    ASSERT_EQ(store.games.size(), counts.games);
    if (counts.games > 0) {
        // The first two teams meet in every game.
        EXPECT_EQ(store.findTeam(teamName(0))->gamesPlayed, static_cast<int>(counts.games));
    }
}

// Temporary files a killed save left: hidden names with ".tmp" in them.
std::size_t leftoverTemporaries(const TempDir& dir) {
    std::size_t count = 0;
    for (const auto& where : {dir.path(), dir.file("Tournament1")}) {
        for (const auto& entry : fs::directory_iterator(where)) {
            const std::string name = entry.path().filename().string();
            count += name.starts_with('.') && name.find(".tmp") != std::string::npos;
        }
    }
    return count;
}

TEST(CrashSafety, EveryFileIsOneWholeVersionAfterAnyKill) {
    TempDir dir;
    fs::create_directory(dir.file("Tournament1"));
    std::mt19937 random(20240607u);
    std::uniform_int_distribution<int> delay(0, 40000);
    constexpr int kills = 200;
    Counts last;
    for (int round = 0; round < kills; ++round) {
        SCOPED_TRACE("kill " + std::to_string(round + 1));
        const pid_t child = startSaveLoop(dir.path());
        ASSERT_GT(child, 0);
        std::this_thread::sleep_for(std::chrono::microseconds(delay(random)));
        ::kill(child, SIGKILL);
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the save loop stopped by itself: " << status;

        const Counts now = checkWholeVersions(dir);
        checkLoads(dir, now);
        // Nothing saved is ever lost: the next run starts from what the last one left.
        EXPECT_GE(now.players, last.players);
        EXPECT_GE(now.games, last.games);
        last = now;
        if (::testing::Test::HasFailure()) {
            return;
        }
    }
    // Readers never open a temporary file; at most one per killed save remains.
    const std::size_t temporaries = leftoverTemporaries(dir);
    EXPECT_LE(temporaries, static_cast<std::size_t>(kills));
    EXPECT_GT(last.players, 20u) << "the loop hardly saved: the kills proved little";
    std::cout << kills << " kills; " << last.players << " players, " << last.games
              << " games saved; " << temporaries << " kills fell inside a save\n";
}

} // namespace
} // namespace corvane::proof

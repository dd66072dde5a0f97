// A process saving the tournament is killed at random moments, hundreds of
// times: afterwards every file must be one whole version the process wrote,
// and the tournament must load.
#include "Proof.h"
#include "SaveVersions.h"

#include <random>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Loads the tournament: its records must be the loop's first ones, and saved
// again from what was read each file must be unchanged, which a torn file
// never is. Returns the players found.
std::size_t checkWholeVersions(const TempDir& dir, const TempDir& copy) {
    const auto store = loadTournament(dir.path());
    for (std::size_t i = 0; i < store->players().size(); ++i) {
        EXPECT_EQ(store->players()[i], proof::playerName(i));
    }
    for (std::size_t g = 0; g < store->games().size(); ++g) {
        EXPECT_EQ(formatGameLine(store->games()[g]), formatGameLine(proof::gameNumber(g)));
    }
    // Saved again beside it; tournament.dat only once it held a tournament line.
    store->workingDirectory = copy.path();
    EXPECT_TRUE(store->writePlayers() && store->writeTeams() && store->writeGames() &&
                (store->noTournamentYet != 0 || store->writeTournamentNumber()));
    for (const char* file : {"Tournament1/players.txt", "Tournament1/teams.txt",
                             "Tournament1/games.txt", "tournament.dat"}) {
        EXPECT_EQ(readBytes(copy.file(file)), readBytes(dir.file(file))) << file;
    }
    return store->players().size();
}

TEST(CrashSafety, EveryFileIsOneWholeVersionAfterAnyKill) {
    TempDir dir, copy;
    fs::create_directory(dir.file("Tournament1"));
    fs::create_directory(copy.file("Tournament1"));
    std::mt19937 random(20240607u);
    std::size_t saved = 0;
    for (int kill = 1; kill <= 200 && !HasFailure(); ++kill) {
        SCOPED_TRACE("kill " + std::to_string(kill));
        const pid_t child = ::fork();
        if (child == 0) {
            ::execl(CORVANE_SAVE_LOOP, CORVANE_SAVE_LOOP, dir.path().c_str(),
                    static_cast<char*>(nullptr));
            ::_exit(127);
        }
        ::usleep(random() % 40000);
        ::kill(child, SIGKILL);
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the save loop stopped by itself: " << status;
        // Nothing saved is ever lost: each run goes on from what the last one left.
        const std::size_t now = checkWholeVersions(dir, copy);
        EXPECT_GE(now, std::exchange(saved, now));
    }
    EXPECT_GT(saved, 20u) << "the loop hardly saved: the kills proved little";
}

} // namespace

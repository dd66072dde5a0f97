// A process saving the tournament is killed at random moments, hundreds of
// times: afterwards every file must be one whole version the process wrote,
// and the tournament must load.
#include "Proof.h"
#include "SaveVersions.h"

#include <cstdio>
#include <random>
#include <signal.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

// The temporary files in the working directory and the tournament folder.
std::vector<std::string> temporaryFiles(const TempDir& dir) {
    std::vector<std::string> found;
    for (const std::string& folder : {dir.path(), dir.file("Tournament1")}) {
        for (const auto& entry : fs::directory_iterator(folder)) {
            const std::string name = entry.path().filename().string();
            if (name.starts_with('.') && name.find(".tmp") != std::string::npos) {
                found.push_back(name);
            }
        }
    }
    return found;
}

// Loads the tournament: its records must be the loop's first ones, and saved
// again from what was read each file must be unchanged, which a torn file
// never is. Then it is saved in place, which leaves no temporary file behind.
// Returns the players found.
std::size_t checkWholeVersions(const TempDir& dir, const TempDir& copy) {
    const auto store = loadTournament(dir.path());
    for (std::size_t i = 0; i < store->players().size(); ++i) {
        EXPECT_EQ(store->players()[i], proof::playerName(i));
    }
    for (std::size_t g = 0; g < store->games().size(); ++g) {
        EXPECT_EQ(formatGameLine(store->games()[g]), formatGameLine(proof::gameNumber(g)));
    }
    const auto saveAll = [&] {
        return store->writePlayers() && store->writeTeams() && store->writeGames() &&
               (store->noTournamentYet || store->writeTournamentNumber());
    };
    // Saved again beside it; tournament.dat only once it held a tournament line.
    store->workingDirectory = copy.path();
    EXPECT_TRUE(saveAll());
    for (const char* file : {"Tournament1/players.txt", "Tournament1/teams.txt",
                             "Tournament1/games.txt", "tournament.dat"}) {
        EXPECT_EQ(readBytes(copy.file(file)), readBytes(dir.file(file))) << file;
    }
    store->workingDirectory = dir.path();
    EXPECT_TRUE(saveAll());
    EXPECT_EQ(temporaryFiles(dir), std::vector<std::string>{}) << "left after the next save";
    return store->players().size();
}

// The save loop's next line: its process id, then one per finished round of saves.
std::string nextLine(FILE* reports) {
    char line[64];
    return std::fgets(line, sizeof line, reports) != nullptr ? line : "";
}

TEST(CrashSafety, EveryFileIsOneWholeVersionAfterAnyKill) {
    TempDir dir, copy;
    fs::create_directory(dir.file("Tournament1"));
    fs::create_directory(copy.file("Tournament1"));
    std::mt19937 random(20240607u);
    std::size_t saved = 0;
    std::size_t leftovers = 0;
    for (int kill = 1; kill <= 200 && !HasFailure(); ++kill) {
        SCOPED_TRACE("kill " + std::to_string(kill));
        // The shell becomes the loop, which reports its process first.
        FILE* reports = ::popen(("exec '" CORVANE_SAVE_LOOP "' '" + dir.path() + "'").c_str(), "r");
        ASSERT_NE(reports, nullptr);
        const pid_t child = std::stoi(nextLine(reports));
        // Killed only once it has finished a round of saves, somewhere in the next:
        // each run proves progress, however slow the machine.
        const bool reported = nextLine(reports) == "saved\n";
        ::usleep(random() % 2000);
        ::kill(child, SIGKILL);
        const int status = ::pclose(reports);
        ASSERT_TRUE(reported && WIFSIGNALED(status))
            << "the save loop stopped by itself: " << status;
        leftovers += temporaryFiles(dir).size();
        // Nothing saved is ever lost: each run goes on from what the last one left.
        const std::size_t now = checkWholeVersions(dir, copy);
        EXPECT_GT(now, std::exchange(saved, now));
    }
    // Not a requirement, but without any the leftover check proved nothing.
    RecordProperty("leftovers", static_cast<int>(leftovers));
}

} // namespace

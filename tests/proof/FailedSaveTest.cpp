// Every save that cannot be made (folder missing, file size limit, read-only
// folder) leaves the old file as it was and no temporary file beside it, and
// reports the file and the system's reason.
#include "Proof.h"
#include "reports/WriteReports.h"

#include <functional>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

const std::pair<const char*, std::function<SaveResult(TournamentStore&)>> savers[] = {
    {"Tournament1/players.txt", [](TournamentStore& s) { return s.writePlayers(); }},
    {"tournament.dat", [](TournamentStore& s) { return s.writeTournamentNumber(); }},
    {"Tournament1/tournament.html",
     [](TournamentStore& s) {
         const ReportOutcome outcome = writeReports(s);
         return outcome.ok() ? SaveResult::success() : outcome.failures.front();
     }},
};

bool reported(const SaveResult& result, const std::string& file) {
    return !result.ok() && result.file() == file && !result.reason().empty() &&
           result.message().find(result.reason()) != std::string::npos;
}

TEST(FailedSave, LeavesTheOldFileAndSaysWhichAndWhy) {
    for (const auto& [name, save] : savers) {
        for (const std::string fault : {"missing folder", "file size limit", "read-only folder"}) {
            SCOPED_TRACE(name + (", " + fault));
            TempDir dir;
            fs::create_directory(dir.file("Tournament1"));
            writeBytes(dir.file("tournament.dat"), "TOURNAMENT 1\n");
            writeBytes(dir.file("Tournament1/players.txt"), "PLAYER Ann\nPLAYER Bob\n");
            writeBytes(dir.file("Tournament1/teams.txt"), "TEAM Ann & Bob\n");
            const auto store = loadTournament(dir.path());
            ASSERT_TRUE(writeReports(*store).ok());
            // Changed in memory, so each file's next version differs.
            store->addPlayer("Cy");
            store->recordGame(GameRecord{1, 0, 0, 0, "Ann & Bob", ""});
            store->tournamentNumber = 2;
            const std::string file = dir.file(name), old = readBytes(file);
            const auto entries = dir.entryCount("Tournament1");
            if (fault == "missing folder") {
                store->workingDirectory = dir.file("gone");
                EXPECT_TRUE(reported(save(*store), dir.file("gone/") + name));
            } else if (fault == "file size limit") {
                // In a child whose files may not grow past 8 bytes.
                const pid_t child = ::fork();
                if (child == 0) {
                    ::signal(SIGXFSZ, SIG_IGN);
                    const rlimit limit{8, 8};
                    ::setrlimit(RLIMIT_FSIZE, &limit);
                    ::_exit(reported(save(*store), file) ? 0 : 1);
                }
                int status = -1;
                EXPECT_TRUE(::waitpid(child, &status, 0) == child && WIFEXITED(status) &&
                            WEXITSTATUS(status) == 0);
            } else if (::geteuid() != 0) { // root, as in CI, is not bound by permissions
                const std::string folder = fs::path(file).parent_path();
                fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec);
                EXPECT_TRUE(reported(save(*store), file));
                fs::permissions(folder, fs::perms::owner_all);
            }
            EXPECT_EQ(readBytes(file), old);
            EXPECT_EQ(dir.entryCount("Tournament1"), entries) << "a temporary file was left";
            EXPECT_EQ(dir.entryCount(), 2u);
        }
    }
}

} // namespace

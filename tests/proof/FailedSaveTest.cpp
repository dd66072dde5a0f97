// Every save that cannot be made — folder missing, folder replaced by a
// file, file size limit, read-only folder — leaves the old file as it was,
// leaves no temporary file, and reports the file and the system's reason.
#include "TempDir.h"
#include "reports/WriteReports.h"
#include "store/TournamentStore.h"

#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace corvane::proof {
namespace {

using corvane::testing::readBytes;
using corvane::testing::TempDir;
using corvane::testing::writeBytes;
namespace fs = std::filesystem;

struct Saver {
    const char* what;
    std::string (*path)(const TournamentStore&);
    std::function<SaveResult(TournamentStore&)> save;
};

const Saver savers[] = {
    {"players.txt", [](const TournamentStore& s) { return s.filePath("players.txt"); },
     [](TournamentStore& s) { return s.writePlayers(); }},
    {"teams.txt", [](const TournamentStore& s) { return s.filePath("teams.txt"); },
     [](TournamentStore& s) { return s.writeTeams(); }},
    {"games.txt", [](const TournamentStore& s) { return s.filePath("games.txt"); },
     [](TournamentStore& s) { return s.writeGames(); }},
    {"tournament.dat", [](const TournamentStore& s) { return s.tournamentDatPath(); },
     [](TournamentStore& s) { return s.writeTournamentNumber(); }},
    {"pages", [](const TournamentStore& s) { return s.filePath("tournament.html"); },
     [](TournamentStore& s) {
         ReportOutcome outcome = writeReports(s);
         return outcome.ok() ? SaveResult::success() : outcome.failures.front();
     }},
};

// A tournament saved once, then changed in memory so the next save differs.
void fillAndSave(TournamentStore& store) {
    for (const char* name : {"Ann", "Bob", "Cy", "Dee"}) {
        store.appendPlayer(name);
    }
    for (const auto& [a, b] : {std::pair{"Ann", "Bob"}, std::pair{"Cy", "Dee"}}) {
        auto team = std::make_unique<TeamRecord>();
        team->firstPlayer = a;
        team->secondPlayer = b;
        team->teamName = std::string(a) + " & " + b;
        store.appendTeam(std::move(team));
    }
    auto game = std::make_unique<GameRecord>();
    *game = {150, 120, 0, 1, "Ann & Bob", "Cy & Dee"};
    store.appendGame(std::move(game));
    store.applyGameResult(*store.games.back());
    for (const Saver& saver : savers) {
        ASSERT_TRUE(saver.save(store).ok()) << saver.what;
    }
    store.appendPlayer(std::string(5000, 'e'));
    store.games.back()->team1Score = 1800;
    store.applyGameResult(*store.games.back());
    store.tournamentNumber = 2;
}

// Runs `save` in a child whose files may not grow past a few bytes; the
// child hands back what the save returned.
SaveResult saveUnderSizeLimit(const Saver& saver, TournamentStore& store) {
    int pipeEnds[2];
    if (::pipe(pipeEnds) != 0) {
        return SaveResult::success();
    }
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(pipeEnds[0]);
        ::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{8, 8};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        const SaveResult result = saver.save(store);
        const std::string report = result.ok() ? "" : result.file() + '\n' + result.reason();
        [[maybe_unused]] const auto n = ::write(pipeEnds[1], report.data(), report.size());
        ::_exit(0);
    }
    ::close(pipeEnds[1]);
    std::string report;
    char buffer[4096];
    for (ssize_t n; (n = ::read(pipeEnds[0], buffer, sizeof buffer)) > 0;) {
        report.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(pipeEnds[0]);
    ::waitpid(child, nullptr, 0);
    const auto cut = report.find('\n');
    return cut == std::string::npos
               ? SaveResult::success()
               : SaveResult::failure(report.substr(0, cut), report.substr(cut + 1));
}

enum class Fault { missingFolder, folderIsAFile, fileSizeLimit, readOnlyFolder };

struct Case {
    TempDir dir;
    TournamentStore store;
    std::string guarded; // the file whose old bytes must survive
    std::string oldBytes;
    std::string watched; // the folder that must hold no temporary afterwards
};

// Sets up `fault` for `saver`; false when it cannot bite here.
bool arrange(Case& c, const Saver& saver, Fault fault) {
    const bool inWorkingDirectory = std::string(saver.what) == "tournament.dat";
    const std::string folder =
        inWorkingDirectory ? c.dir.file("work") : c.dir.file("work/Tournament1");
    c.guarded = saver.path(c.store);
    switch (fault) {
    case Fault::missingFolder:
        if (inWorkingDirectory) {
            c.store.workingDirectory = c.dir.file("gone");
        } else {
            c.store.tournamentFolder = "Tournament9";
        }
        c.guarded = saver.path(c.store);
        c.watched = c.dir.file("work");
        return true;
    case Fault::folderIsAFile:
        fs::rename(folder, folder + ".moved");
        writeBytes(folder, "a file where the folder was\n");
        c.guarded = folder;
        c.watched = c.dir.path();
        break;
    case Fault::fileSizeLimit:
        c.watched = folder;
        break;
    case Fault::readOnlyFolder:
        // Permissions do not bind root (as in CI): there this case cannot be made.
        if (::geteuid() == 0) {
            return false;
        }
        fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec);
        c.watched = folder;
        break;
    }
    c.oldBytes = readBytes(c.guarded);
    return true;
}

std::size_t temporariesIn(const std::string& folder) {
    std::size_t count = 0;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        count += entry.path().filename().string().find(".tmp") != std::string::npos;
    }
    return count;
}

TEST(FailedSave, LeavesTheOldFileAndSaysWhichAndWhy) {
    int skipped = 0;
    for (const Saver& saver : savers) {
        for (const Fault fault : {Fault::missingFolder, Fault::folderIsAFile, Fault::fileSizeLimit,
                                  Fault::readOnlyFolder}) {
            SCOPED_TRACE(std::string(saver.what) + ", fault " + std::to_string(int(fault)));
            Case c;
            fs::create_directories(c.dir.file("work/Tournament1"));
            c.store.workingDirectory = c.dir.file("work");
            c.store.tournamentNumber = 1;
            c.store.composeTournamentFolder();
            fillAndSave(c.store);
            if (!arrange(c, saver, fault)) {
                ++skipped;
                continue;
            }
            const SaveResult result = fault == Fault::fileSizeLimit
                                          ? saveUnderSizeLimit(saver, c.store)
                                          : saver.save(c.store);
            ASSERT_FALSE(result.ok());
            EXPECT_EQ(result.file(), saver.path(c.store));
            EXPECT_FALSE(result.reason().empty());
            EXPECT_NE(result.message().find(result.reason()), std::string::npos);
            if (fault == Fault::missingFolder) {
                EXPECT_FALSE(fs::exists(c.guarded));
            } else {
                EXPECT_EQ(readBytes(c.guarded), c.oldBytes);
            }
            std::error_code notAFolder;
            fs::permissions(c.dir.file("work/Tournament1"), fs::perms::owner_all,
                            fs::perm_options::add, notAFolder);
            EXPECT_EQ(temporariesIn(c.watched), 0u);
        }
    }
    if (skipped > 0) {
        std::cout
            << "read-only folder not checked: running as root, whom permissions do not bind\n";
    }
}

} // namespace
} // namespace corvane::proof

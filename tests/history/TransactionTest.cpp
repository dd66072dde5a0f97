// A change of three files (a rename, a restore) is all or nothing: stopped by
// a real SIGKILL at every step of its commit, or failing half-way through its
// writes, it leaves the tournament as it was before or as it is after, with
// the journal saying so, once the tournament is opened again.
#include "history/Transaction.h"

#include "DoorFixture.h"
#include "history/Restore.h"

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

namespace corvane::testing {
namespace {

using namespace corvane::history;

class TransactionTest : public DoorTest {
protected:
    TransactionTest() {
        save("Ann & Bob", 150, "Zo & Co", 120);
        save("Zo & Co", 90, "Cy & Dee", 80);
    }
    // The change made in a child process that kills itself at the
    // `stopAt`-th step of the commit; true when it was killed.
    bool killedAt(int stopAt, const Change& change) {
        const pid_t child = ::fork();
        if (child == 0) {
            int reached = 0;
            setCommitHook([&](CommitStep) {
                if (++reached == stopAt)
                    ::raise(SIGKILL);
            });
            (void)applyChange(store, change);
            ::_exit(0);
        }
        int status = 0;
        ::waitpid(child, &status, 0);
        return WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
    }
    // The tournament as the program opens it after the stop.
    std::string opened() {
        TournamentStore fresh;
        fresh.workingDirectory = store.workingDirectory;
        fresh.tournamentFolder = store.tournamentFolder;
        finishInterruptedChange(fresh);
        EXPECT_FALSE(fresh.loadAll().refused());
        return state(fresh);
    }
    std::size_t journalLines(std::string_view action) const {
        std::size_t damaged = 0, count = 0;
        for (const JournalLine& line : readJournal(journalPath(store), damaged))
            count += line.action == action;
        return count;
    }
};

TEST_F(TransactionTest, ARenameKilledAtAnyStepIsWhollyBeforeOrWhollyAfter) {
    const std::string before = state(store);
    // Steps: version kept, decided, three files replaced, journaled, finished.
    constexpr int steps = 7;
    constexpr int decidedAt = 2;
    std::string after;
    std::size_t renames = 0; // each decided stop journals one, then undoes it
    for (int stopAt = 1; stopAt <= steps; ++stopAt) {
        SCOPED_TRACE("killed at step " + std::to_string(stopAt));
        ASSERT_TRUE(killedAt(stopAt, RenamePlayer{"Zo", "Zoë"}));
        const std::string now = opened();
        const bool decided = stopAt >= decidedAt;
        if (!decided) {
            EXPECT_EQ(now, before);
            EXPECT_EQ(journalLines(renamePlayerAction), renames);
            continue;
        }
        EXPECT_NE(now.find("Zoë & Co 1/2"), std::string::npos) << now;
        EXPECT_EQ(now.find("Zo & Co"), std::string::npos) << now;
        EXPECT_EQ(journalLines(renamePlayerAction), ++renames) << "journaled exactly once";
        EXPECT_FALSE(std::filesystem::exists(store.filePath(std::string(intentFileName))));
        // Back to the start for the next stop, through the door.
        store.clearAll();
        ASSERT_FALSE(store.loadAll().refused());
        after = state(store);
        ASSERT_TRUE(undoChange(store).done);
        ASSERT_EQ(state(store), before);
    }
    EXPECT_FALSE(after.empty());
    for (const auto& entry : std::filesystem::directory_iterator(store.tournamentPath()))
        EXPECT_EQ(entry.path().filename().string().find(".staged"), std::string::npos)
            << "nothing staged is left: " << entry.path();
}

TEST_F(TransactionTest, AWriteThatFailsHalfWayLeavesTheFilesAndTheStoreAsBefore) {
    const std::string before = state(store);
    const std::size_t lines = journalLines(renamePlayerAction);
    // The games file cannot be staged: a folder stands in the staged file's place.
    std::filesystem::create_directory(TournamentStore::stagedPath(store.filePath("games.txt")));
    const ChangeOutcome outcome = applyChange(store, RenamePlayer{"Zo", "Zoë"});
    EXPECT_FALSE(outcome.done);
    EXPECT_TRUE(outcome.reread);
    EXPECT_NE(outcome.problem.find("games.txt"), std::string::npos) << outcome.problem;
    EXPECT_EQ(state(store), before) << "the store as its files hold it";
    EXPECT_EQ(opened(), before);
    EXPECT_EQ(journalLines(renamePlayerAction), lines);
}

TEST_F(TransactionTest, ARestoreKilledAfterItWasDecidedIsFinishedAndUndoable) {
    done(RenamePlayer{"Zo", "Zoë"});
    const std::string renamed = state(store);
    const std::vector<TournamentVersion> versions = listVersions(store, 10);
    ASSERT_FALSE(versions.empty());
    const RestoreFiles restore = restoreOf(store, versions.front());
    ASSERT_TRUE(killedAt(3, restore)); // decided, one file of three replaced
    const std::string restored = opened();
    EXPECT_NE(restored.find("Zo & Co"), std::string::npos) << restored;
    store.clearAll();
    ASSERT_FALSE(store.loadAll().refused());
    EXPECT_EQ(undoLabel(store), "Restore Backup " + versions.front().when);
    ASSERT_TRUE(undoChange(store).done);
    EXPECT_EQ(state(store), renamed);
}

} // namespace
} // namespace corvane::testing

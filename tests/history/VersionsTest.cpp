// The kept versions: each one the three files exactly as they stood together,
// one per change, in the order kept whatever the clock says, checked before
// it is offered; and what stands in the place of the backups folder or the
// journal is never followed.
#include "DoorFixture.h"
#include "history/Restore.h"
#include "history/RestoreDifferences.h"
#include "store/Backups.h"

namespace corvane::testing {
namespace {

using namespace corvane::history;
namespace fs = std::filesystem;

using Counts = std::array<std::size_t, 3>;

std::vector<Counts> countsOf(const std::vector<TournamentVersion>& versions) {
    std::vector<Counts> counts;
    for (const TournamentVersion& version : versions)
        counts.push_back(version.counts);
    return counts;
}

TEST_F(DoorTest, EachVersionIsTheTournamentAsItStoodBeforeOneChange) {
    save("Ann & Bob", 150, "Cy & Dee", 120);
    save("Cy & Dee", 90, "Zo & Co", 80);
    done(RenamePlayer{"Zo", "Zoë"});
    const std::string renamed = state(store);
    // Newest first: one version per change, the rename's three files in one.
    const std::vector<TournamentVersion> versions = listVersions(store, 100);
    EXPECT_EQ(countsOf(versions),
              (std::vector<Counts>{
                  {6, 3, 2}, {6, 3, 1}, {6, 3, 0}, {6, 2, 0}, {6, 1, 0}, {6, 0, 0}, {0, 0, 0}}));
    for (const TournamentVersion& version : versions)
        EXPECT_EQ(version.damage, "") << version.folder;

    const TournamentVersion& beforeSecondGame = versions[1];
    EXPECT_EQ(restoreDifferences(store, beforeSecondGame, 5),
              (std::vector<std::string>{"Players back: Zo", "Players gone: Zoë",
                                        "Teams back: Zo & Co", "Teams gone: Zoë & Co",
                                        "Games gone: Cy & Dee 90 vs Zoë & Co 80"}));
    done(restoreOf(store, beforeSecondGame));
    EXPECT_EQ(state(store), "Ann,Bob,Cy,Dee,Zo,Co,Ann & Bob 150-120 Cy & Dee; Ann & Bob 1/1; "
                            "Cy & Dee 0/1; Zo & Co 0/0; ");
    EXPECT_EQ(state(*reopened()), state(store));
    EXPECT_EQ(undoLabel(store), "Restore Backup " + beforeSecondGame.when);
    ASSERT_TRUE(undoChange(store).done);
    EXPECT_EQ(state(store), renamed) << "the restore taken back";
    ASSERT_TRUE(redoChange(store).done);
    EXPECT_NE(state(store).find("Zo & Co 0/0"), std::string::npos);
}

TEST_F(DoorTest, ADamagedVersionIsMarkedAndNeverRestored) {
    save("Ann & Bob", 150, "Cy & Dee", 120);
    save("Cy & Dee", 90, "Zo & Co", 80);
    const std::string now = state(store);
    const TournamentVersion newest = listVersions(store, 1).front();
    // Cut off in the middle of a line, as a torn copy would be.
    const std::string games = newest.folder + "/games.txt";
    const std::string bytes = readBytes(games);
    fs::remove(games); // a link shares the present file's bytes: replace, not truncate
    writeBytes(games, bytes.substr(0, bytes.size() - 3));
    const TournamentVersion damaged = listVersions(store, 1).front();
    EXPECT_EQ(damaged.damage, "games.txt ends in the middle of a line");
    const ChangeOutcome outcome = applyChange(store, restoreOf(store, damaged));
    EXPECT_FALSE(outcome.done);
    EXPECT_NE(outcome.problem.find("this version is damaged"), std::string::npos);
    EXPECT_EQ(state(*reopened()), now);
}

TEST_F(DoorTest, VersionsAreOrderedAndKeptByWhenTheyWereKeptNotByTheClock) {
    // A version dated in the future, as after the clock was set back.
    const std::string future =
        store.tournamentPath() + "/backups/00000000-2099-01-01T00-00-00.000000Z";
    fs::create_directories(future);
    const std::uint64_t last = listKeptVersions(store.tournamentPath()).back().sequence;
    for (int game = 0; game < 60; ++game)
        save("Ann & Bob", game, "Cy & Dee", 0);
    const std::vector<KeptVersion> kept = listKeptVersions(store.tournamentPath());
    EXPECT_EQ(kept.back().sequence, last + 60) << "the newest is the last kept";
    // The last fifty, and the last of each earlier day (one: the future's).
    EXPECT_EQ(kept.size(), versionsKept + 1);
    EXPECT_EQ(listVersions(store, 1).front().counts, (Counts{6, 3, 59}));
}

} // namespace
} // namespace corvane::testing

// Undo and redo through the journal: each step changes the store and its
// files, survives a restart, and never acts on a tournament that is no
// longer as the change left it.
#include "history/ChangeHistory.h"

#include "StoreFixture.h"
#include "history/Restore.h"
#include "store/AtomicFile.h"
#include "store/Backups.h"

#include <algorithm>

namespace corvane::testing {
namespace {

using namespace corvane::history;

class ChangeHistoryTest : public StoreTestBase {
protected:
    ChangeHistoryTest() {
        for (const char* name : {"Ann", "Bob", "Cy", "Dee", "Zo", "Co"})
            store.addPlayer(name);
        for (const auto& [a, b] : {std::pair{"Ann", "Bob"}, {"Cy", "Dee"}, {"Zo", "Co"}})
            addTeam(a, b);
        EXPECT_TRUE(store.writePlayers().ok() && store.writeTeams().ok());
    }
    // As the windows do: change, write, journal.
    void save(const std::string& t1, int s1, const std::string& t2, int s2) {
        const GameRecord game{s1, s2, 0, 0, t1, t2};
        store.recordGame(game);
        ASSERT_TRUE(store.writeGames().ok());
        ASSERT_TRUE(record(store, savedGame(store, store.games().size() - 1, game)).ok());
    }
    void remove(std::size_t position) {
        const GameRecord game = store.games()[position];
        store.removeGameAt(position);
        ASSERT_TRUE(store.writeGames().ok());
        ASSERT_TRUE(record(store, deletedGame(store, position, game)).ok());
    }
    void correct(std::size_t position, int s1) {
        const GameRecord before = store.games()[position];
        GameRecord after = before;
        after.team1Score = s1;
        store.replaceGameAt(position, after);
        ASSERT_TRUE(store.writeGames().ok());
        ASSERT_TRUE(record(store, correctedGame(store, position, before, after)).ok());
    }
    void rename(const std::string& from, const std::string& to) {
        ASSERT_TRUE(store.renamePlayer(from, to));
        ASSERT_TRUE(store.writePlayers().ok() && store.writeTeams().ok() &&
                    store.writeGames().ok());
        ASSERT_TRUE(record(store, renamedPlayer(store, from, to)).ok());
    }
    // The games, the first team's wins and the teams' names, as one line each.
    std::string state(const TournamentStore& s) const {
        std::string out;
        for (const GameRecord& game : s.games())
            out += game.team1Name + " " + std::to_string(game.team1Score) + "-" +
                   std::to_string(game.team2Score) + " " + game.team2Name + "; ";
        for (const TeamRecord& team : s.teams())
            out += team.teamName + " " + std::to_string(team.wins) + "/" +
                   std::to_string(team.gamesPlayed) + "; ";
        return out;
    }
    // A store read afresh from the files, as after a restart.
    std::unique_ptr<TournamentStore> reopened() const {
        auto fresh = std::make_unique<TournamentStore>();
        fresh->workingDirectory = store.workingDirectory;
        fresh->tournamentFolder = store.tournamentFolder;
        EXPECT_FALSE(fresh->loadAll().refused());
        return fresh;
    }
};

TEST_F(ChangeHistoryTest, EveryChangeToGamesAndNamesIsTakenBackAndDoneAgainInOrder) {
    std::vector<std::string> states{state(store)};
    save("Ann & Bob", 150, "Cy & Dee", 120);
    states.push_back(state(store));
    save("Cy & Dee", 90, "Zo & Co", 80);
    states.push_back(state(store));
    remove(0);
    states.push_back(state(store));
    correct(0, 70);
    states.push_back(state(store));
    rename("Zo", "Zoë");
    states.push_back(state(store));
    EXPECT_EQ(state(store), "Cy & Dee 70-80 Zoë & Co; Ann & Bob 0/0; Cy & Dee 0/1; Zoë & Co 1/1; ");

    const char* labels[] = {"Rename Player Zo to Zoë", "Correct Game Cy & Dee vs Zo & Co",
                            "Delete Game Ann & Bob vs Cy & Dee", "Save Game Cy & Dee vs Zo & Co",
                            "Save Game Ann & Bob vs Cy & Dee"};
    for (std::size_t i = 0; i < std::size(labels); ++i) {
        EXPECT_EQ(undoLabel(store), labels[i]);
        const StepResult step = undo(store);
        ASSERT_TRUE(step.done && step.problem.empty()) << step.problem;
        EXPECT_EQ(step.label, labels[i]);
        EXPECT_EQ(state(store), states[states.size() - 2 - i]) << labels[i];
        // The files hold what the store holds: a restart reads the same.
        EXPECT_EQ(state(*reopened()), state(store)) << labels[i];
    }
    EXPECT_FALSE(undoLabel(store));
    EXPECT_FALSE(undo(store).done);

    // Redone after a restart, from the journal alone.
    auto restarted = reopened();
    for (std::size_t i = 1; i < states.size(); ++i) {
        ASSERT_TRUE(redo(*restarted).done);
        EXPECT_EQ(state(*restarted), states[i]);
    }
    EXPECT_FALSE(redoLabel(*restarted));
    // A new change after two undos drops what could have been redone.
    ASSERT_TRUE(undo(*restarted).done && undo(*restarted).done);
    store.clearAll();
    ASSERT_FALSE(store.loadAll().refused());
    save("Ann & Bob", 1, "Zo & Co", 2);
    EXPECT_FALSE(redoLabel(store));
    EXPECT_EQ(undoLabel(store), "Save Game Ann & Bob vs Zo & Co");
}

TEST_F(ChangeHistoryTest, ADamagedJournalCostsOnlyItsLinesAndAChangedTournamentIsLeftAlone) {
    save("Ann & Bob", 150, "Cy & Dee", 120);
    save("Cy & Dee", 90, "Zo & Co", 80);
    // A crash tore the last line; a hand edit spoiled another one before it.
    const std::string journal = journalPath(store);
    std::string text = readBytes(journal);
    text.insert(text.find('\t'), "x");
    text.resize(text.size() - 5);
    writeBytes(journal, text);
    EXPECT_FALSE(undoLabel(store)) << "both changes' lines are damaged";
    save("Zo & Co", 10, "Ann & Bob", 20); // ends the torn line first
    EXPECT_EQ(undoLabel(store), "Save Game Zo & Co vs Ann & Bob");
    ASSERT_TRUE(undo(store).done);
    EXPECT_EQ(store.games().size(), 2u);

    // The games file changed behind the program's back: a redo would act on
    // something else, so nothing changes.
    writeBytes(store.filePath("games.txt"), "");
    auto changed = reopened();
    const StepResult step = redo(*changed);
    EXPECT_FALSE(step.done);
    EXPECT_NE(step.problem.find("nothing was changed"), std::string::npos) << step.problem;
    EXPECT_TRUE(changed->games().empty());
    EXPECT_EQ(redoLabel(*changed), "Save Game Zo & Co vs Ann & Bob") << "still there to redo";
}

// Every save keeps the file's previous version; an earlier version of the
// whole tournament comes back, and the restore is taken back like any change.
TEST_F(ChangeHistoryTest, ABackupIsRestoredAndTheRestoreTakenBack) {
    save("Ann & Bob", 150, "Cy & Dee", 120);
    save("Cy & Dee", 90, "Zo & Co", 80);
    rename("Zo", "Zoë");
    const std::string renamed = state(store);
    const std::vector<TournamentVersion> versions = listVersions(store, 100);
    // Newest first: before the rename's three files, then before the second game.
    ASSERT_EQ(versions.size(), 4u);
    EXPECT_LE(versions[1].moment, versions[0].moment);
    const auto beforeSecondGame = std::find_if(versions.begin(), versions.end(), [](auto& v) {
        return v.counts == std::array<std::size_t, 3>{6, 3, 1};
    });
    ASSERT_NE(beforeSecondGame, versions.end());
    EXPECT_FALSE(beforeSecondGame->when.empty());

    const StepResult restored = restoreVersion(store, *beforeSecondGame);
    ASSERT_TRUE(restored.done && restored.problem.empty()) << restored.problem;
    EXPECT_EQ(state(store),
              "Ann & Bob 150-120 Cy & Dee; Ann & Bob 1/1; Cy & Dee 0/1; Zo & Co 0/0; ");
    EXPECT_EQ(state(*reopened()), state(store));
    EXPECT_EQ(undoLabel(store), "Restore Backup " + beforeSecondGame->when);

    ASSERT_TRUE(undo(store).done);
    EXPECT_EQ(state(store), renamed) << "the restore taken back";
    EXPECT_EQ(state(*reopened()), renamed);
    ASSERT_TRUE(redo(store).done);
    EXPECT_EQ(state(store),
              "Ann & Bob 150-120 Cy & Dee; Ann & Bob 1/1; Cy & Dee 0/1; Zo & Co 0/0; ");
}

TEST(Backups, TheLastFiftyOfEachFileAndTheLastOfEachDayAreKept) {
    TempDir dir;
    const std::string file = dir.file("games.txt");
    std::filesystem::create_directory(dir.file("backups"));
    // Versions of earlier days, as if kept then: three a day on two days.
    for (const char* moment : {"2026-12-01T10-00-00.000000Z", "2026-12-01T11-00-00.000000Z",
                               "2026-12-01T12-00-00.000000Z", "2026-12-02T10-00-00.000000Z",
                               "2026-12-02T11-00-00.000000Z"})
        writeBytes(dir.file(std::string("backups/games.txt.") + moment), moment);
    for (int save = 0; save < 60; ++save) {
        // Replaced as the program replaces files: a new file renamed over the old.
        ASSERT_TRUE(writeFileAtomically(file, "version " + std::to_string(save)).ok());
        ASSERT_TRUE(keepPreviousVersion(file).ok());
    }
    const std::vector<BackupVersion> kept = listBackups(dir.path());
    ASSERT_EQ(kept.size(), backupsKeptPerFile + 2);
    EXPECT_EQ(kept[0].moment, "2026-12-01T12-00-00.000000Z") << "the last of its day";
    EXPECT_EQ(kept[1].moment, "2026-12-02T11-00-00.000000Z");
    EXPECT_EQ(readBytes(kept.back().path), "version 59");
    EXPECT_EQ(readBytes(kept[2].path), "version 10") << "the last fifty";
}

} // namespace
} // namespace corvane::testing

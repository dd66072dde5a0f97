// The one door: every change and every undo and redo step passes the same
// checks, writes its files and journals itself; a step that can no longer be
// done is refused and may be passed over.
#include "DoorFixture.h"
#include "history/Journal.h"

namespace corvane::testing {
namespace {

using namespace corvane::history;

TEST_F(DoorTest, EveryChangeIsTakenBackAndDoneAgainInOrderAcrossARestart) {
    std::vector<std::string> states{state(store)};
    const auto step = [&](Change change) {
        done(std::move(change));
        states.push_back(state(store));
    };
    step(SaveGame{GameRecord{150, 120, 0, 0, "Ann & Bob", "Cy & Dee"}, std::nullopt});
    step(SaveGame{GameRecord{90, 80, 0, 0, "Cy & Dee", "Zo & Co"}, std::nullopt});
    step(DeleteGame{0, store.games()[0]});
    step(CorrectGame{0, store.games()[0], GameRecord{70, 80, 0, 0, "Cy & Dee", "Zo & Co"}});
    step(RenamePlayer{"Zo", "Zoë"});
    EXPECT_EQ(state(store), "Ann,Bob,Cy,Dee,Zoë,Co,Cy & Dee 70-80 Zoë & Co; Ann & Bob 0/0; "
                            "Cy & Dee 0/1; Zoë & Co 1/1; ");

    const char* labels[] = {"Rename Player Zo to Zoë", "Correct Game Cy & Dee vs Zo & Co",
                            "Delete Game Ann & Bob vs Cy & Dee", "Save Game Cy & Dee vs Zo & Co",
                            "Save Game Ann & Bob vs Cy & Dee"};
    for (std::size_t i = 0; i < std::size(labels); ++i) {
        EXPECT_EQ(undoLabel(store), labels[i]);
        const ChangeOutcome undone = undoChange(store);
        ASSERT_TRUE(undone.done && undone.problem.empty()) << undone.problem;
        EXPECT_EQ(undone.label, labels[i]);
        EXPECT_EQ(state(store), states[states.size() - 2 - i]) << labels[i];
        EXPECT_EQ(state(*reopened()), state(store)) << "the files hold it: " << labels[i];
    }
    EXPECT_FALSE(undoLabel(store)) << "adding players and teams is not taken back";
    EXPECT_FALSE(undoChange(store).done);

    // Redone after a restart, from the journal alone.
    auto restarted = reopened();
    for (std::size_t i = 1; i < states.size(); ++i) {
        ASSERT_TRUE(redoChange(*restarted).done);
        EXPECT_EQ(state(*restarted), states[i]);
    }
    EXPECT_FALSE(redoLabel(*restarted));
    ASSERT_TRUE(undoChange(*restarted).done && undoChange(*restarted).done);
    store.clearAll();
    ASSERT_FALSE(store.loadAll().refused());
    save("Ann & Bob", 1, "Zo & Co", 2);
    EXPECT_FALSE(redoLabel(store)) << "a new change drops what could have been redone";
    EXPECT_EQ(undoLabel(store), "Save Game Ann & Bob vs Zo & Co");
}

TEST_F(DoorTest, AStepThatCanNoLongerBeDoneIsRefusedAndCanBePassedOver) {
    save("Ann & Bob", 150, "Cy & Dee", 120);
    save("Cy & Dee", 90, "Zo & Co", 80);
    // A crash tore the last line; a hand edit spoiled another one before it.
    const std::string journal = journalPath(store);
    std::string text = readBytes(journal);
    const std::size_t firstGame = text.find("save game");
    text.insert(text.find('\t', firstGame), "x");
    text.resize(text.size() - 5);
    writeBytes(journal, text);
    EXPECT_FALSE(undoLabel(store)) << "both changes' lines are damaged";
    save("Zo & Co", 10, "Ann & Bob", 20); // ends the torn line first
    EXPECT_EQ(undoLabel(store), "Save Game Zo & Co vs Ann & Bob");

    // The game went from the files behind the program's back: the undo would
    // remove something else, so nothing changes, and it stays until passed over.
    writeBytes(store.filePath("games.txt"), "");
    auto changed = reopened();
    const ChangeOutcome refused = undoChange(*changed);
    EXPECT_FALSE(refused.done);
    EXPECT_TRUE(refused.refused);
    EXPECT_EQ(refused.problem, "Undo Save Game Zo & Co vs Ann & Bob was not done: the game is no "
                               "longer at its place (the tournament was changed meanwhile).");
    EXPECT_EQ(undoLabel(*changed), "Save Game Zo & Co vs Ann & Bob");
    ASSERT_TRUE(passOverUndo(*changed).done);
    EXPECT_FALSE(undoLabel(*changed)) << "the damaged lines before it cannot be undone";
    EXPECT_TRUE(changed->games().empty());
}

// A value taken from the journal passes the checks a typed one does; a
// change that would make two teams one name is refused wherever it comes from.
TEST_F(DoorTest, ChangesFromAnySourceMeetTheSameRules) {
    // Names may hold " & ": "Al" with "Bo & Cz", and "Ab & Bo" with "Cz".
    done(AddPlayers{{"Al", "Bo & Cz", "Ab & Bo", "Cz"}});
    done(BuildTeam{"Al", "Bo & Cz"});
    done(BuildTeam{"Ab & Bo", "Cz"});
    struct Row {
        const char* name;
        Change change;
        const char* problem;
    };
    const Row rows[] = {
        {"rename onto another team's name", RenamePlayer{"Ab & Bo", "al & bo"},
         "the team would be named \"al & bo & Cz\", which is another team's name"},
        {"rename onto a player's name", RenamePlayer{"Zo", "ANN"},
         "a player named \"ANN\" is already registered"},
        {"a line break in a name", RenamePlayer{"Zo", "Evil\nPLAYER Mallory"},
         "names cannot contain line breaks"},
        {"a player twice in one list", AddPlayers{{"Eve", "eve"}},
         "a player named \"eve\" is already registered"},
        {"a team of a player in a team", BuildTeam{"Ann", "Al"}, "\"Ann\" already plays"},
        {"a game of an unknown team",
         SaveGame{GameRecord{1, 2, 0, 0, "Ghost & Host", "Ann & Bob"}, std::nullopt},
         "there is no team named \"Ghost & Host\""},
        {"a team against itself",
         SaveGame{GameRecord{1, 2, 0, 0, "Ann & Bob", "ann & bob"}, std::nullopt},
         "a team cannot play itself"},
        {"a score over the maximum",
         SaveGame{GameRecord{1801, 2, 0, 0, "Ann & Bob", "Cy & Dee"}, std::nullopt},
         "scores must be from 0 to 1800"},
        {"a score below zero",
         SaveGame{GameRecord{1, -1, 0, 0, "Ann & Bob", "Cy & Dee"}, std::nullopt},
         "scores must be from 0 to 1800"},
        {"a deletion of a game not there", DeleteGame{0, GameRecord{}},
         "the game is no longer at its place"},
        {"a restore from outside the folder", RestoreFiles{"x", {"../../etc/passwd", "", ""}},
         "not in the tournament's backups"},
    };
    const std::string before = state(store);
    for (const Row& row : rows) {
        const ChangeOutcome outcome = applyChange(store, row.change);
        EXPECT_FALSE(outcome.done) << row.name;
        EXPECT_NE(outcome.problem.find(row.problem), std::string::npos)
            << row.name << ": " << outcome.problem;
        EXPECT_EQ(state(store), before) << row.name;
    }

    // Forged journal lines with their checks recomputed: undoing them meets
    // the same rules, so no line break reaches players.txt and no ghost game
    // is inserted.
    const auto forge = [&](std::string_view action, std::vector<std::string> fields) {
        ASSERT_TRUE(
            appendLine(journalPath(store), journalLine(store, action, std::move(fields))).ok());
        const ChangeOutcome undone = undoChange(store);
        EXPECT_FALSE(undone.done) << action;
        EXPECT_TRUE(undone.refused) << action;
        EXPECT_EQ(state(store), before) << action;
    };
    forge(renamePlayerAction, {"Evil\nPLAYER Mallory", "Ann"});
    forge(deleteGameAction, {"0", "Ghost & Host", "1", "0", "Ann & Bob", "2", "0"});
    EXPECT_EQ(readBytes(store.filePath("players.txt")).find("Mallory"), std::string::npos);
}

// One line a change, a list of names too; a table's game names its table, and
// a line from before tables still reads.
TEST_F(DoorTest, EveryChangeIsJournaledAsOneLineATablesGameWithItsTable) {
    done(AddPlayers{{"Eve", "Fay", "Gus"}});
    done(SaveGame{GameRecord{150, 120, 0, 0, "Ann & Bob", "Cy & Dee"}, std::nullopt, 7});
    std::size_t damaged = 0;
    auto lines = readJournal(journalPath(store), damaged);
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(lines[lines.size() - 3].action, buildTeamAction);
    EXPECT_EQ(lines[lines.size() - 2].action, addPlayerAction);
    EXPECT_EQ(lines[lines.size() - 2].fields, (std::vector<std::string>{"Eve", "Fay", "Gus"}));
    EXPECT_EQ(lines.back().fields.back(), "table 7");
    const auto recorded = changeOf(lines.back());
    ASSERT_TRUE(recorded && std::holds_alternative<SaveGame>(*recorded));
    EXPECT_EQ(std::get<SaveGame>(*recorded).table, 7);

    struct Row {
        std::vector<std::string> fields;
        bool reads;
        int table;
    };
    const std::vector<std::string> game{"0", "Ann & Bob", "1", "0", "Cy & Dee", "2", "0"};
    const auto with = [&](std::string extra) {
        auto fields = game;
        fields.push_back(std::move(extra));
        return fields;
    };
    for (const Row& row :
         {Row{game, true, 0}, Row{with("table 3"), true, 3}, Row{with("table 0"), false, 0},
          Row{with("table x"), false, 0}, Row{with("chair 3"), false, 0}}) {
        const auto change = changeOf(JournalLine{"", 1, std::string(saveGameAction), row.fields});
        ASSERT_EQ(change.has_value(), row.reads) << row.fields.back();
        if (change) {
            EXPECT_EQ(std::get<SaveGame>(*change).table, row.table);
        }
    }
}

} // namespace
} // namespace corvane::testing

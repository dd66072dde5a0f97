// The three data-entry dialogs on a tournament in the test's own working
// directory, reached through the process-wide store as the dialogs reach it.
#include "OpenTournament.h"
#include "dialogs/AddPlayerDialog.h"
#include "dialogs/GameResultsDialog.h"
#include "dialogs/TeamBuilderDialog.h"
#include "history/ChangeHistory.h"
#include "platform/DialogTemplate.h"
#include "res/ids/AddPlayer.h"
#include "res/ids/GameResults.h"
#include "res/ids/TeamBuilder.h"
#include "store/TournamentStore.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <gtest/gtest.h>

namespace corvane::dialogs {
namespace {

using enum platform::MessageAnswer;

class DialogsTest : public testing::OpenTournamentTest {
protected:
    // Teams read from `lines` of teams.txt, as loading reads them.
    void readTeams(const std::string& lines) const {
        services.dir.write("Tournament1/teams.txt", lines);
        EXPECT_FALSE(store().readTeams().refused());
    }
    // The answer to the next question, and to none after it.
    void answer(bool yes) { services.messages.answers = {yes ? Yes : No}; }
    // The boxes shown since the last call, each as "Caption: text".
    QStringList takeBoxes() {
        QStringList out;
        for (const testing::ShownBox& box : services.messages.shown)
            out << box.caption + ": " + box.text;
        services.messages.shown.clear();
        return out;
    }
    // The data file's folder is removed, so that the next write of `file` fails
    // and `step` must say so.
    void expectSaveError(const char* file, const std::function<void()>& step) {
        std::filesystem::remove_all(store().tournamentPath());
        takeBoxes();
        step();
        const QString box = takeBoxes().value(1); // after the question
        EXPECT_TRUE(box.startsWith("Error: ") && box.contains(file)) << box.toStdString();
    }
};

void click(const QWidget& dialog, int id) {
    platform::control<QAbstractButton>(dialog, id)->click();
}

TEST_F(DialogsTest, AddPlayerAsksFirstListsSortedAndRefusesEmptyTakenAndControlNames) {
    store().addPlayer("Zoe");
    AddPlayerDialog dialog;
    auto* name = platform::control<QLineEdit>(dialog, ids::addPlayer::name);
    const auto add = [&](const QString& typed, bool yes = true) {
        answer(yes);
        name->setText(typed);
        click(dialog, ids::addPlayer::add);
        return name->text();
    };
    EXPECT_EQ(add(" Anna ", false), " Anna "); // No keeps the name
    EXPECT_EQ(services.messages.shown.at(0).owner, &dialog);
    for (const char* typed : {" Anna ", "adam", "", "zOE", "An\nna"}) // blanks are kept as typed
        EXPECT_EQ(add(typed), "") << typed;
    const QString question = "Warning: Are you sure you want to add this player?\n\nVerify "
                             "player's name is accurate. Names cannot be deleted!";
    EXPECT_EQ(takeBoxes(),
              (QStringList{question, question, question, "Notice: Name already exists in list!",
                           "Notice: Names cannot contain line breaks or other "
                           "control characters!"}));
    // The list sorts without regard to case, the file keeps store order.
    EXPECT_EQ(rows(dialog, ids::addPlayer::players), (QStringList{" Anna ", "adam", "Zoe"}));
    EXPECT_EQ(read("players.txt"), "PLAYER Zoe\nPLAYER  Anna \nPLAYER adam\n");
    add(" "); // a blank is a name, not an empty one
    EXPECT_EQ(store().players().back(), " ");
    // A failed write: the list shows what the files hold, the name stays typed.
    expectSaveError("players.txt", [&] { add("Mia"); });
    EXPECT_FALSE(rows(dialog, ids::addPlayer::players).contains("Mia"));
    EXPECT_EQ(name->text(), "Mia");
}

TEST_F(DialogsTest, TeamBuilderBuildsTheListedPairOfTwoUnassignedPlayers) {
    for (const char* name : {"Zoe", "bob", "Adam", "Cy", "Mia", "Ned"})
        store().addPlayer(name);
    readTeams("TEAM Bob & cy\n"); // the same players in another case: they are taken
    TeamBuilderDialog dialog;
    namespace id = ids::teamBuilder;
    constexpr int available = id::availablePlayers, build = id::build, teams = id::teams,
                  clear = id::clear;
    auto* list = platform::control<QListWidget>(dialog, available);
    EXPECT_EQ(rows(dialog, available), (QStringList{"Adam", "Mia", "Ned", "Zoe"}));
    // Selects the players one after the other, as clicks would, and presses `button`.
    const auto press = [&](const QStringList& names, int button, bool yes = true) {
        answer(yes);
        for (const QString& n : names)
            list->findItems(n, Qt::MatchExactly).value(0)->setSelected(true);
        click(dialog, button);
        return list->selectedItems().isEmpty();
    };
    // Any other number than two gets the tip; after it, a No or Clear nothing is selected.
    EXPECT_TRUE(press({}, build) && press({"Mia"}, build) && press({"Adam", "Mia", "Ned"}, build) &&
                press({"Zoe", "Adam"}, build, false) && press({"Mia", "Ned"}, clear));
    const QString tip = "Build Team Tip: Please select 2 players to build a team";
    EXPECT_EQ(takeBoxes(), (QStringList{tip, tip, tip,
                                        "Warning: Are you sure you want to build this team?\n\n"
                                        "Please verify selections. Teams cannot be deleted!"}));
    EXPECT_EQ(read("teams.txt"), "TEAM Bob & cy\n");

    // Zoe clicked first, yet Adam stands higher in the list and comes first.
    press({"Zoe", "Adam"}, build);
    EXPECT_EQ(rows(dialog, teams), (QStringList{"Adam & Zoe", "Bob & cy"}));
    EXPECT_EQ(rows(dialog, available), (QStringList{"Mia", "Ned"}));
    expectSaveError("teams.txt", [&] { press({"Mia", "Ned"}, build); });
    EXPECT_FALSE(rows(dialog, teams).contains("Mia & Ned"));
}

namespace id = ids::gameResults;
constexpr int team1 = id::team1, team2 = id::team2, score1 = id::team1Score,
              score2 = id::team2Score, flags1 = id::team1Flags, flags2 = id::team2Flags;

class GameResultsTest : public DialogsTest {
protected:
    // Read before the dialog is made, which fills its boxes once.
    const bool teamsRead = (readTeams("TEAM Cy & Dee\nTEAM Ann & Bob\nTEAM Eve & Fay\n"), true);
    GameResultsDialog dialog;
    QListWidget* games = platform::control<QListWidget>(dialog, id::completedGames);

    QComboBox* combo(int id) const { return platform::control<QComboBox>(dialog, id); }
    QLineEdit* field(int id) const { return platform::control<QLineEdit>(dialog, id); }
    QStringList listed() const { return rows(dialog, id::completedGames); }
    // Fills in and saves a game, answering the question if one is asked.
    void save(int first, const QString& s1, int second, const QString& s2, bool yes = false) {
        combo(team1)->setCurrentIndex(first);
        combo(team2)->setCurrentIndex(second);
        field(score1)->setText(s1);
        field(score2)->setText(s2);
        answer(yes);
        click(dialog, id::save);
    }
    void remove(int row, bool yes = true) {
        services.viewer.calls.clear();
        answer(yes);
        row < 0 ? games->clearSelection() : games->setCurrentRow(row);
        click(dialog, id::remove);
        EXPECT_EQ(services.viewer.calls.size(), 2u) << "published after a No too";
    }
};

TEST_F(GameResultsTest, SavesTwoTeamsWithValidScoresAndDeletesTheSelectedGame) {
    save(0, "10", 1, "20");                               // answered No
    QTest::keyClick(combo(team1)->lineEdit(), Qt::Key_X); // typing over a choice undoes it
    EXPECT_EQ(combo(team1)->currentText(), "Cy & Deex");
    click(dialog, id::save);
    save(2, "10", 2, "20");
    EXPECT_TRUE(combo(team2)->currentIndex() == -1 && combo(team1)->currentIndex() == 2);
    EXPECT_EQ(takeBoxes().mid(1),
              (QStringList{"Warning: You must select a team from each drop down box.",
                           "Error: You have the same team selected twice!"}));

    // Team 2 is named when both are wrong; a No saves nothing. What a score may
    // hold is the bad-input table's.
    combo(flags1)->setCurrentIndex(2);
    combo(flags2)->setEditText(" -2x"); // typed, not chosen: read as atoi would
    const QString invalid = "Error: You have entered an invalid score for Team %1!";
    const std::tuple<const char*, const char*, int> scores[] = {
        {"2000", "1900", 2}, {"1801", "00001800", 1}, {"0", "-1", 2}, {"", "", 0}};
    for (const auto& [first, second, wrong] : scores) {
        save(0, first, 1, second);
        EXPECT_EQ(takeBoxes(), QStringList{wrong ? invalid.arg(wrong)
                                                 : "Warning: Have you verified all information "
                                                   "is correct?"})
            << first;
    }
    EXPECT_TRUE(store().games().empty() && services.viewer.calls.empty());

    save(0, "120", 1, "150", true);
    // The inputs are reset: scores 0, nothing chosen or typed in the boxes.
    EXPECT_EQ(field(score1)->text() + field(score2)->text() + combo(flags1)->currentText() +
                  combo(flags2)->currentText() + combo(team1)->currentText(),
              "00");
    const QString first = "Cy & Dee   (120, 2)   -- vs --   Ann & Bob   (150, -2)";
    EXPECT_EQ(listed(), QStringList{first});
    EXPECT_EQ(services.viewer.calls.back(), "start " + store().filePath("tournament.html"));
    // Publishing put the winner first in the store; the boxes keep their order.
    EXPECT_EQ(store().teams()[0].teamName + combo(team1)->itemText(0).toStdString(),
              "Ann & BobCy & Dee");

    // Delete asks first, and a Yes without a selection removes nothing.
    save(1, "90", 2, "50", true);
    save(0, "", 2, "", true); // empty scores read as 0
    remove(1, false);
    EXPECT_EQ(takeBoxes().back(), "Warning: Are you sure you want delete this game data?");
    remove(-1);
    remove(1); // the selected game goes, the others keep their order

    EXPECT_EQ(listed(), (QStringList{first, "Cy & Dee   (0, 0)   -- vs --   Eve & Fay   (0, 0)"}));

    // A failed write: the list shows what the files hold, the typed game stays.
    expectSaveError("games.txt", [&] { save(1, "7", 0, "8", true); });
    EXPECT_TRUE(listed().isEmpty()) << "the folder is gone";
    EXPECT_EQ(field(score1)->text() + field(score2)->text(), "78");
}

// F2 on a saved game opens it, checked as Save checks; OK replaces it in place.
// Then Ctrl+Z takes back each step and Ctrl+Shift+Z does it again: the list
// and the pages follow each one.
TEST_F(GameResultsTest, ACorrectedGameKeepsItsPlaceAndEachStepIsTakenBackAndDoneAgain) {
    save(0, "120", 1, "150", true);
    save(2, "90", 0, "50", true);
    const QString first = "Cy & Dee   (120, 0)   -- vs --   Ann & Bob   (150, 0)";
    const QString corrected = "Cy & Dee   (200, 0)   -- vs --   Ann & Bob   (150, 0)";
    const QString second = "Eve & Fay   (90, 0)   -- vs --   Cy & Dee   (50, 0)";
    games->setCurrentRow(0);
    // Keys go to the active window, as they do for the organiser.
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    games->setFocus();
    // Typed as the organiser would: the wrong score first, then a good one.
    std::vector<QString> typed{"1801", "200"};
    QStringList correctTeams;
    services.dialogs.answer = [&](QDialog& correct) {
        auto* teamBox = correct.findChildren<QComboBox*>().value(0);
        correctTeams = rows(*teamBox->view());
        EXPECT_GE(teamBox->minimumWidth(), teamBox->fontMetrics().horizontalAdvance("Eve & Fay"));
        auto* score = correct.findChildren<QLineEdit*>().value(0);
        for (const QString& text : typed) {
            score->setText(text);
            for (QAbstractButton* b : correct.findChildren<QAbstractButton*>())
                if (b->text().contains("OK"))
                    b->click();
        }
        return correct.result();
    };
    QTest::keyClick(games, Qt::Key_F2);
    EXPECT_EQ(services.dialogs.runs.back().first, "Correct Game");
    EXPECT_EQ(correctTeams, rows(*combo(team1)->view())) << "the same order as in Game Results";
    EXPECT_EQ(takeBoxes().back(), "Error: You have entered an invalid score for Team 1!");
    EXPECT_EQ(listed(), (QStringList{corrected, second}));
    EXPECT_EQ(games->currentRow(), 0);
    EXPECT_EQ(history::undoLabel(store()), "Correct Game Cy & Dee vs Ann & Bob");

    remove(0);
    const auto keys = [&](QKeyCombination combination) {
        services.viewer.calls.clear();
        QTest::keySequence(&dialog, QKeySequence(combination));
        return services.viewer.calls.size() == 2; // published
    };
    const auto ahead = [&](const char* one, const char* other) {
        const std::string page = read("tournament.html");
        return page.find(one) < page.find(other);
    };
    const QKeyCombination undo = Qt::CTRL | Qt::Key_Z, redo = Qt::CTRL | Qt::SHIFT | Qt::Key_Z;
    ASSERT_TRUE(keys(undo)); // the delete
    EXPECT_EQ(listed(), (QStringList{corrected, second}));
    EXPECT_TRUE(ahead("Cy &amp; Dee", "Ann &amp; Bob"));
    ASSERT_TRUE(keys(undo)); // the correction
    EXPECT_EQ(listed(), (QStringList{first, second}));
    EXPECT_TRUE(ahead("Ann &amp; Bob", "Cy &amp; Dee"));
    ASSERT_TRUE(keys(undo) && keys(undo)); // both saves
    EXPECT_TRUE(listed().isEmpty());
    EXPECT_FALSE(keys(undo)) << "nothing left to take back";
    EXPECT_EQ(takeBoxes().back(), "Notice: There is nothing to undo.");
    ASSERT_TRUE(keys(redo));
    EXPECT_EQ(listed(), QStringList{first});
}

// A misspelled player is renamed from the list, the name checked as a new one
// is; what follows in teams, games and pages is the door's.
TEST_F(DialogsTest, RenamingAPlayerHandsTheCheckedNameToTheDoor) {
    for (const char* name : {"Zo", "Co", "Ann", "Bob"})
        store().addPlayer(name);
    readTeams("TEAM Zo & Co\nTEAM Ann & Bob\n");
    AddPlayerDialog dialog;
    auto* list = platform::control<QListWidget>(dialog, ids::addPlayer::players);
    QString answer;
    QStringList offeredAgain;
    services.dialogs.answer = [&](QDialog& ask) {
        auto* field = ask.findChild<QLineEdit*>();
        // A refused name is offered again as typed; the test then cancels.
        if (field->text() == answer) {
            offeredAgain << field->text();
            return int(QDialog::Rejected);
        }
        field->setText(answer);
        return int(QDialog::Accepted);
    };
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    list->setFocus();
    const auto rename = [&](const QString& from, const QString& to) {
        answer = to;
        list->setCurrentItem(list->findItems(from, Qt::MatchExactly).value(0));
        QTest::keyClick(list, Qt::Key_F2);
    };
    rename("Zo", "ann");
    rename("Zo", "Z\no");
    EXPECT_EQ(takeBoxes(), (QStringList{"Notice: Name already exists in list!",
                                        "Notice: Names cannot contain line breaks or other "
                                        "control characters!"}));
    EXPECT_EQ(offeredAgain, (QStringList{"ann", "Z\no"}));
    rename("Zo", "Zoë");
    EXPECT_TRUE(takeBoxes().isEmpty());
    EXPECT_EQ(list->currentItem()->text(), "Zoë") << "the renamed player stays chosen";
    EXPECT_EQ(rows(dialog, ids::addPlayer::players), (QStringList{"Ann", "Bob", "Co", "Zoë"}));
    EXPECT_EQ(history::undoLabel(store()), "Rename Player Zo to Zoë");
    // Taken back with Ctrl+Z in the window, the old name returns.
    QTest::keyClick(&dialog, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(rows(dialog, ids::addPlayer::players), (QStringList{"Ann", "Bob", "Co", "Zo"}));
}

} // namespace
} // namespace corvane::dialogs

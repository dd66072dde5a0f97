#include "dialogs/GameResultsDialog.h"

#include "DialogTestBase.h"

#include <QComboBox>
#include <QLineEdit>

namespace corvane::dialogs {
namespace {

enum Id { team1 = 1009, team2 = 1010, score1 = 1011, flags1 = 1012, score2 = 1014, flags2 = 1015 };

class GameResultsDialogTest : public DialogTestBase {
protected:
    GameResultsDialogTest() {
        addTeam("Cy", "Dee");
        addTeam("Ann", "Bob");
        addTeam("Eve", "Fay");
    }
    // A game put straight into the store, as loading puts it (played marks aside).
    void addGame(const std::string& a, int sa, const std::string& b, int sb) {
        store().appendGame(std::make_unique<GameRecord>(GameRecord{sa, sb, 0, 0, a, b}));
        store().applyGameResult(*store().games.back());
    }
};

QComboBox* combo(const QDialog& d, int id) {
    return platform::control<QComboBox>(d, id);
}
QStringList items(const QComboBox* c) {
    QStringList out;
    for (int i = 0; i < c->count(); ++i) {
        out << c->itemText(i);
    }
    return out;
}
void enter(const QDialog& d, int first, const QString& s1, int second, const QString& s2) {
    combo(d, team1)->setCurrentIndex(first);
    combo(d, team2)->setCurrentIndex(second);
    platform::control<QLineEdit>(d, score1)->setText(s1);
    platform::control<QLineEdit>(d, score2)->setText(s2);
}
void expectReset(const QDialog& d) {
    for (int id : {score1, score2}) {
        EXPECT_EQ(platform::control<QLineEdit>(d, id)->text(), "0");
    }
    for (int id : {flags1, flags2, team1, team2}) {
        EXPECT_EQ(combo(d, id)->currentIndex(), -1) << id;
        EXPECT_EQ(combo(d, id)->currentText(), "") << id;
    }
}

TEST_F(GameResultsDialogTest, SavesAfterYesKeepsEverythingAfterNoReportsAFailedWrite) {
    GameResultsDialog dialog;
    const QStringList storeOrder{"Cy & Dee", "Ann & Bob", "Eve & Fay"};
    EXPECT_EQ(items(combo(dialog, team2)), storeOrder);
    expectReset(dialog);

    enter(dialog, 0, "120", 1, "150");
    combo(dialog, flags1)->setCurrentIndex(2);
    combo(dialog, flags2)->setEditText("-2"); // typed, not chosen
    services.messages.answerNo();
    click(dialog, 1013);
    expectBox("Have you verified all information is correct?", "Warning",
              platform::MessageButtons::YesNo);
    EXPECT_TRUE(store().games.empty());
    EXPECT_EQ(combo(dialog, flags2)->currentText(), "-2");
    EXPECT_TRUE(services.viewer.calls.empty());

    services.messages.answerYes();
    click(dialog, 1013);
    ASSERT_EQ(store().games.size(), 1u);
    EXPECT_EQ(store().findTeam("Ann & Bob")->wins, 1);
    // Opponent lists follow the store order: each first entry is the other team.
    EXPECT_EQ(store().findTeam("Cy & Dee")->opponents[0]->played, 1);
    EXPECT_EQ(store().findTeam("Ann & Bob")->opponents[0]->played, 1);
    expectReset(dialog);
    const QString line = "Cy & Dee   (120, 2)   -- vs --   Ann & Bob   (150, -2)";
    EXPECT_EQ(listTexts(dialog, 1016), QStringList{line});
    EXPECT_EQ(read("games.txt"), "GAME\n{\n   TEAM1_NAME Cy & Dee\n   TEAM1_SCORE 120\n"
                                 "   TEAM1_FLAGS 2\n   TEAM2_NAME Ann & Bob\n"
                                 "   TEAM2_SCORE 150\n   TEAM2_FLAGS -2\n}\n");
    EXPECT_EQ(services.viewer.calls, published());
    EXPECT_TRUE(exists("tournament.html"));
    // Publishing put the winner first in the store; the boxes keep their order.
    EXPECT_EQ(store().teams[0]->teamName, "Ann & Bob");
    EXPECT_EQ(items(combo(dialog, team1)), storeOrder);

    // Empty fields read as 0; a failed write leaves the game in store and list.
    removeFolder();
    services.messages.clear();
    enter(dialog, 1, "", 0, "");
    services.messages.answerYes();
    click(dialog, 1013);
    expectSaveError(1, "games.txt");
    ASSERT_EQ(store().games.size(), 2u);
    EXPECT_EQ(listTexts(dialog, 1016).back(), "Ann & Bob   (0, 0)   -- vs --   Cy & Dee   (0, 0)");
}

TEST_F(GameResultsDialogTest, RefusesMissingOrRepeatedTeamsAndInvalidScores) {
    GameResultsDialog dialog;
    const auto saveShows = [&](const QString& text, const QString& caption) {
        services.messages.clear();
        click(dialog, 1013);
        EXPECT_EQ(boxes(), 1u);
        expectBox(text, caption);
    };
    enter(dialog, 0, "10", -1, "20");
    combo(dialog, team2)->setEditText("Ann & Bob"); // typed text names no team
    saveShows("You must select a team from each drop down box.", "Warning");
    enter(dialog, 0, "10", 1, "20");
    press(combo(dialog, team1)->lineEdit(), Qt::Key_X, "x"); // typing over a choice undoes it
    EXPECT_EQ(combo(dialog, team1)->currentText(), "Cy & Deex");
    saveShows("You must select a team from each drop down box.", "Warning");

    enter(dialog, 2, "10", 2, "20");
    saveShows("You have the same team selected twice!", "Error");
    EXPECT_EQ(combo(dialog, team2)->currentIndex(), -1);
    EXPECT_EQ(combo(dialog, team1)->currentIndex(), 2);

    // Team 2 is named when both are wrong; the single rules are in InputRulesTest.
    struct Case {
        const char* first;
        const char* second;
        int invalid;
    };
    for (const Case& c :
         {Case{"2000", "1900", 2}, Case{"2000", "100", 1}, Case{"1801", "0", 1},
          Case{"0", "99999999999999999999", 2}, Case{"0", "1800", 0}, Case{"", "", 0}}) {
        enter(dialog, 0, c.first, 1, c.second);
        EXPECT_EQ(dialog.ValidateScores(), c.invalid) << c.first << " / " << c.second;
        if (c.invalid != 0) {
            saveShows(QString("You have entered an invalid score for Team %1!").arg(c.invalid),
                      "Error");
        }
    }
    EXPECT_TRUE(store().games.empty());
    EXPECT_TRUE(services.viewer.calls.empty());
}

TEST_F(GameResultsDialogTest, DeleteAsksFirstAndAlwaysPublishes) {
    addGame("Cy & Dee", 100, "Ann & Bob", 90);
    addGame("Ann & Bob", 80, "Eve & Fay", 70);
    addGame("Cy & Dee", 60, "Eve & Fay", 50);
    GameResultsDialog dialog;
    auto* list = platform::control<QListWidget>(dialog, 1016);
    const auto pressDelete = [&](bool yes) {
        services.viewer.calls.clear();
        services.messages.clear();
        services.messages.answer(yes ? platform::MessageAnswer::Yes : platform::MessageAnswer::No);
        click(dialog, 1006);
        ASSERT_GT(boxes(), 0u);
        EXPECT_EQ(services.messages.shown()[0].text,
                  "Are you sure you want delete this game data?");
        EXPECT_EQ(services.messages.shown()[0].caption, "Warning");
        EXPECT_EQ(services.viewer.calls, published());
    };
    list->setCurrentRow(1);
    pressDelete(false);
    EXPECT_EQ(store().games.size(), 3u);
    EXPECT_EQ(list->currentRow(), 1);

    // Yes without a selection: inputs reset, list refilled, nothing written.
    list->clearSelection();
    combo(dialog, team1)->setCurrentIndex(0);
    pressDelete(true);
    EXPECT_EQ(store().games.size(), 3u);
    EXPECT_FALSE(exists("games.txt"));
    expectReset(dialog);

    // Yes with the middle game selected: it goes, the others keep their order.
    list->setCurrentRow(1);
    pressDelete(true);
    EXPECT_EQ(listTexts(dialog, 1016),
              (QStringList{"Cy & Dee   (100, 0)   -- vs --   Ann & Bob   (90, 0)",
                           "Cy & Dee   (60, 0)   -- vs --   Eve & Fay   (50, 0)"}));
    EXPECT_EQ(store().findTeam("Eve & Fay")->gamesPlayed, 1);
    EXPECT_EQ(read("games.txt").find("TEAM1_SCORE 80"), std::string::npos);

    removeFolder();
    list->setCurrentRow(0);
    pressDelete(true);
    expectSaveError(1, "games.txt");
    EXPECT_EQ(store().games.size(), 1u);
}

} // namespace
} // namespace corvane::dialogs

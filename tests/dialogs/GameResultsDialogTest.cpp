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
    static QComboBox* combo(const QDialog& d, int id) {
        return platform::control<QComboBox>(d, id);
    }
    static QLineEdit* edit(const QDialog& d, int id) { return platform::control<QLineEdit>(d, id); }
    static QStringList items(const QComboBox* c) {
        QStringList out;
        for (int i = 0; i < c->count(); ++i) {
            out << c->itemText(i);
        }
        return out;
    }
    static void enter(const QDialog& d, int first, const QString& s1, int second,
                      const QString& s2) {
        combo(d, team1)->setCurrentIndex(first);
        combo(d, team2)->setCurrentIndex(second);
        edit(d, score1)->setText(s1);
        edit(d, score2)->setText(s2);
    }
    void expectReset(const QDialog& d) {
        EXPECT_EQ(edit(d, score1)->text(), "0");
        EXPECT_EQ(edit(d, score2)->text(), "0");
        for (int id : {flags1, flags2, team1, team2}) {
            EXPECT_EQ(combo(d, id)->currentIndex(), -1) << id;
            EXPECT_EQ(combo(d, id)->currentText(), "") << id;
        }
    }
    // A game put straight into the store, as loading puts it (played marks aside).
    void addGame(const std::string& a, int sa, const std::string& b, int sb) {
        store().appendGame(std::make_unique<GameRecord>(GameRecord{sa, sb, 0, 0, a, b}));
        store().applyGameResult(*store().games.back());
    }
};

TEST_F(GameResultsDialogTest, SavesAfterYesKeepsEverythingAfterNo) {
    GameResultsDialog dialog;
    const QStringList storeOrder{"Cy & Dee", "Ann & Bob", "Eve & Fay"};
    EXPECT_EQ(items(combo(dialog, team1)), storeOrder);
    EXPECT_EQ(items(combo(dialog, team2)), storeOrder);
    EXPECT_EQ(items(combo(dialog, flags1)), (QStringList{"0", "1", "2", "3", "4"}));
    expectReset(dialog);

    enter(dialog, 0, "120", 1, "150");
    combo(dialog, flags1)->setCurrentIndex(2);
    combo(dialog, flags2)->setEditText("-2"); // typed, not chosen
    services.messages.answerNo();
    click(dialog, 1013);
    EXPECT_EQ(lastBox().text, "Have you verified all information is correct?");
    EXPECT_EQ(lastBox().caption, "Warning");
    EXPECT_EQ(lastBox().buttons, platform::MessageButtons::YesNo);
    EXPECT_TRUE(store().games.empty());
    EXPECT_EQ(combo(dialog, team1)->currentIndex(), 0);
    EXPECT_EQ(edit(dialog, score2)->text(), "150");
    EXPECT_EQ(combo(dialog, flags2)->currentText(), "-2");
    EXPECT_TRUE(services.viewer.calls.empty());

    services.messages.answerYes();
    click(dialog, 1013);
    ASSERT_EQ(store().games.size(), 1u);
    EXPECT_EQ(store().findTeam("Ann & Bob")->wins, 1);
    for (const auto& team : store().teams) {
        for (const auto& entry : team->opponents) {
            const bool met = team->teamName != "Eve & Fay" && entry->opponentName != "Eve & Fay";
            EXPECT_EQ(entry->played, met ? 1 : 0) << team->teamName << entry->opponentName;
        }
    }
    expectReset(dialog);
    EXPECT_EQ(listTexts(dialog, 1016),
              QStringList{"Cy & Dee   (120, 2)   -- vs --   Ann & Bob   (150, -2)"});
    EXPECT_EQ(read("games.txt"), "GAME\n{\n   TEAM1_NAME Cy & Dee\n   TEAM1_SCORE 120\n"
                                 "   TEAM1_FLAGS 2\n   TEAM2_NAME Ann & Bob\n"
                                 "   TEAM2_SCORE 150\n   TEAM2_FLAGS -2\n}\n");
    EXPECT_EQ(services.viewer.calls, published());
    EXPECT_TRUE(exists("tournament.html"));

    // Publishing put the winner first in the store; the boxes keep their order.
    EXPECT_EQ(store().teams[0]->teamName, "Ann & Bob");
    EXPECT_EQ(items(combo(dialog, team1)), storeOrder);

    // A 0 to 0 game from empty fields, and a second meeting in the other order.
    enter(dialog, 1, "", 0, "");
    services.messages.answerYes();
    click(dialog, 1013);
    ASSERT_EQ(store().games.size(), 2u);
    EXPECT_EQ(store().games[1]->team1Score, 0);
    EXPECT_EQ(listTexts(dialog, 1016).back(), "Ann & Bob   (0, 0)   -- vs --   Cy & Dee   (0, 0)");
    EXPECT_EQ(services.messages.unscripted, 0);
}

TEST_F(GameResultsDialogTest, RefusesMissingOrRepeatedTeamsAndInvalidScores) {
    GameResultsDialog dialog;
    const auto saveShows = [&](const QString& text, const QString& caption) {
        services.messages.clear();
        click(dialog, 1013);
        ASSERT_EQ(boxes(), 1u);
        EXPECT_EQ(lastBox().text, text);
        EXPECT_EQ(lastBox().caption, caption);
        EXPECT_EQ(lastBox().buttons, platform::MessageButtons::Ok);
    };

    enter(dialog, 0, "10", -1, "20");
    combo(dialog, team2)->setEditText("Ann & Bob"); // typed text names no team
    saveShows("You must select a team from each drop down box.", "Warning");

    enter(dialog, 2, "10", 2, "20");
    saveShows("You have the same team selected twice!", "Error");
    EXPECT_EQ(combo(dialog, team2)->currentIndex(), -1);
    EXPECT_EQ(combo(dialog, team1)->currentIndex(), 2);
    EXPECT_EQ(edit(dialog, score1)->text(), "10");

    // Team 2 is named when both are wrong; the single cases are in InputRulesTest.
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
    EXPECT_FALSE(exists("games.txt"));
}

TEST_F(GameResultsDialogTest, DeleteAsksFirstAndAlwaysPublishes) {
    addGame("Cy & Dee", 100, "Ann & Bob", 90);
    addGame("Ann & Bob", 80, "Eve & Fay", 70);
    addGame("Cy & Dee", 60, "Eve & Fay", 50);
    GameResultsDialog dialog;
    auto* list = platform::control<QListWidget>(dialog, 1016);
    ASSERT_EQ(list->count(), 3);

    // No: nothing changes, but the pages are published.
    list->setCurrentRow(1);
    services.messages.answerNo();
    click(dialog, 1006);
    EXPECT_EQ(lastBox().text, "Are you sure you want delete this game data?");
    EXPECT_EQ(lastBox().caption, "Warning");
    EXPECT_EQ(store().games.size(), 3u);
    EXPECT_EQ(list->currentRow(), 1);
    EXPECT_EQ(services.viewer.calls, published());

    // Yes without a selection: inputs reset, list refilled, nothing written.
    services.viewer.calls.clear();
    list->clearSelection();
    combo(dialog, team1)->setCurrentIndex(0);
    services.messages.answerYes();
    click(dialog, 1006);
    EXPECT_EQ(store().games.size(), 3u);
    EXPECT_FALSE(exists("games.txt"));
    expectReset(dialog);
    EXPECT_EQ(services.viewer.calls, published());

    // Yes with the middle game selected: it goes, the others keep their order.
    services.viewer.calls.clear();
    list->setCurrentRow(1);
    services.messages.answerYes();
    click(dialog, 1006);
    ASSERT_EQ(store().games.size(), 2u);
    EXPECT_EQ(listTexts(dialog, 1016),
              (QStringList{"Cy & Dee   (100, 0)   -- vs --   Ann & Bob   (90, 0)",
                           "Cy & Dee   (60, 0)   -- vs --   Eve & Fay   (50, 0)"}));
    EXPECT_EQ(store().findTeam("Eve & Fay")->gamesPlayed, 1);
    EXPECT_EQ(store().findTeam("Ann & Bob")->wins, 0);
    EXPECT_EQ(read("games.txt").find("TEAM1_SCORE 80"), std::string::npos);
    EXPECT_EQ(services.viewer.calls, published());
    EXPECT_EQ(services.messages.unscripted, 0);
}

TEST_F(GameResultsDialogTest, AFailedWriteIsReportedAndTheGameStays) {
    GameResultsDialog dialog;
    removeFolder();
    const auto expectGamesError = [&] {
        ASSERT_GE(boxes(), 2u); // then the pages fail too
        EXPECT_EQ(services.messages.shown()[1].caption, "Error");
        EXPECT_TRUE(services.messages.shown()[1].text.contains("games.txt"));
        services.messages.clear();
    };
    enter(dialog, 0, "100", 2, "50");
    services.messages.answerYes();
    click(dialog, 1013);
    expectGamesError();
    EXPECT_EQ(listTexts(dialog, 1016).size(), 1);
    EXPECT_EQ(store().games.size(), 1u);

    platform::control<QListWidget>(dialog, 1016)->setCurrentRow(0);
    services.messages.answerYes();
    click(dialog, 1006);
    expectGamesError();
    EXPECT_TRUE(store().games.empty());
}

} // namespace
} // namespace corvane::dialogs

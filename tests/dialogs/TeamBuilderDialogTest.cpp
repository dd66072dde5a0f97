#include "dialogs/TeamBuilderDialog.h"

#include "DialogTestBase.h"

#include <QListWidget>

namespace corvane::dialogs {
namespace {

const QString tipText = "Please select 2 players to build a team";

class TeamBuilderDialogTest : public DialogTestBase {
protected:
    QListWidget* available(const QDialog& d) { return platform::control<QListWidget>(d, 1005); }
    QStringList texts(const QListWidget* list) {
        QStringList out;
        for (int i = 0; i < list->count(); ++i) {
            out << list->item(i)->text();
        }
        return out;
    }
    // Selects the named players one after the other, as clicks would.
    void select(const QDialog& d, const QStringList& names) {
        for (const QString& n : names) {
            available(d)->findItems(n, Qt::MatchExactly).front()->setSelected(true);
        }
    }
};

TEST_F(TeamBuilderDialogTest, BuildsTheSortedPairAfterYesAndNothingAfterNo) {
    for (const char* name : {"Zoe", "bob", "Adam", "Cy", "Mia"}) {
        addPlayer(name);
    }
    addTeam("Bob", "cy"); // the same players in another case: they are taken
    TeamBuilderDialog dialog;
    const auto* teams = platform::control<QListWidget>(dialog, 1009);
    EXPECT_EQ(texts(available(dialog)), (QStringList{"Adam", "Mia", "Zoe"}));
    EXPECT_EQ(texts(teams), QStringList{"Bob & cy"});

    services.messages.answerNo();
    select(dialog, {"Zoe", "Adam"});
    click(dialog, 1007);
    EXPECT_EQ(services.messages.shown().back().text,
              "Are you sure you want to build this team?\n\nPlease verify selections. Teams "
              "cannot be deleted!");
    EXPECT_EQ(services.messages.shown().back().caption, "Warning");
    EXPECT_EQ(services.messages.shown().back().buttons, platform::MessageButtons::YesNo);
    EXPECT_EQ(store().teams.size(), 1u);
    EXPECT_TRUE(available(dialog)->selectedItems().isEmpty());
    EXPECT_EQ(texts(available(dialog)), (QStringList{"Adam", "Mia", "Zoe"}));
    EXPECT_FALSE(exists("teams.txt"));

    // Zoe clicked first, yet Adam stands higher in the list and comes first.
    services.messages.answerYes();
    select(dialog, {"Zoe", "Adam"});
    click(dialog, 1007);
    ASSERT_EQ(store().teams.size(), 2u);
    const TeamRecord& built = *store().teams.back();
    EXPECT_EQ(built.firstPlayer, "Adam");
    EXPECT_EQ(built.secondPlayer, "Zoe");
    EXPECT_EQ(built.teamName, "Adam & Zoe");
    EXPECT_EQ(built.gamesPlayed, 0);
    EXPECT_EQ(texts(teams), (QStringList{"Adam & Zoe", "Bob & cy"}));
    EXPECT_EQ(texts(available(dialog)), QStringList{"Mia"});
    EXPECT_EQ(read("teams.txt"), "TEAM Bob & cy\nTEAM Adam & Zoe\n");
    ASSERT_EQ(built.opponents.size(), 1u);
    EXPECT_EQ(built.opponents[0]->opponentName, "Bob & cy");
    EXPECT_TRUE(store().teams[0]->hasOpponent("Adam & Zoe"));
    EXPECT_EQ(services.messages.unscripted, 0);
}

TEST_F(TeamBuilderDialogTest, AnyOtherNumberOfPlayersGetsTheTipAndAClearedList) {
    for (const char* name : {"Ann", "Bob", "Cy", "Dee"}) {
        addPlayer(name);
    }
    TeamBuilderDialog dialog;
    for (const QStringList& chosen :
         {QStringList{}, QStringList{"Bob"}, QStringList{"Ann", "Cy", "Dee"}}) {
        SCOPED_TRACE(chosen.join(",").toStdString());
        services.messages.clear();
        select(dialog, chosen);
        click(dialog, 1007);
        ASSERT_EQ(services.messages.shown().size(), 1u);
        EXPECT_EQ(services.messages.shown()[0].text, tipText);
        EXPECT_EQ(services.messages.shown()[0].caption, "Build Team Tip");
        EXPECT_EQ(services.messages.shown()[0].buttons, platform::MessageButtons::Ok);
        EXPECT_TRUE(available(dialog)->selectedItems().isEmpty());
    }
    EXPECT_TRUE(store().teams.empty());

    // Clear deselects and changes nothing else.
    services.messages.clear();
    select(dialog, {"Ann", "Dee"});
    click(dialog, 1010);
    EXPECT_TRUE(available(dialog)->selectedItems().isEmpty());
    EXPECT_EQ(available(dialog)->count(), 4);
    EXPECT_TRUE(services.messages.shown().empty());
}

TEST_F(TeamBuilderDialogTest, KeyboardSelectionAndAFailedWrite) {
    for (const char* name : {"Ann", "Bob", "Cy"}) {
        addPlayer(name);
    }
    TeamBuilderDialog dialog;
    QListWidget* list = available(dialog);
    // Arrows move, Space toggles the player at the cursor.
    list->setFocus();
    list->setCurrentRow(0, QItemSelectionModel::NoUpdate);
    press(list, Qt::Key_Space, " ");
    press(list, Qt::Key_Down);
    press(list, Qt::Key_Down);
    press(list, Qt::Key_Space, " ");
    EXPECT_EQ(list->selectedItems().size(), 2);

    removeFolder();
    services.messages.answerYes();
    auto* build = platform::control<QWidget>(dialog, 1007);
    build->setFocus();
    press(build, Qt::Key_Space, " ");
    ASSERT_EQ(services.messages.captions(), (std::vector<QString>{"Warning", "Error"}));
    EXPECT_TRUE(services.messages.shown()[1].text.contains("teams.txt"));
    ASSERT_EQ(store().teams.size(), 1u);
    EXPECT_EQ(store().teams[0]->teamName, "Ann & Cy");
    EXPECT_EQ(texts(platform::control<QListWidget>(dialog, 1009)), QStringList{"Ann & Cy"});
    EXPECT_EQ(texts(list), QStringList{"Bob"});
}

TEST_F(TeamBuilderDialogTest, AvailabilityFollowsTeamsAddedSinceTheLastFill) {
    addPlayer("Ann");
    addPlayer("Bob");
    TeamBuilderDialog dialog;
    EXPECT_TRUE(dialog.IsUnassignedPlayer("ANN"));
    addTeam("ann", "bob");
    EXPECT_FALSE(dialog.IsUnassignedPlayer("ANN"));
    EXPECT_FALSE(dialog.IsUnassignedPlayer("Bob"));
    EXPECT_TRUE(dialog.IsUnassignedPlayer("Cy"));
    dialog.FillAvailablePlayers();
    EXPECT_EQ(available(dialog)->count(), 0);
}

} // namespace
} // namespace corvane::dialogs

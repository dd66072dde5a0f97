#include "dialogs/TeamBuilderDialog.h"

#include "DialogTestBase.h"

namespace corvane::dialogs {
namespace {

class TeamBuilderDialogTest : public DialogTestBase {
protected:
    static QListWidget* available(const QDialog& d) {
        return platform::control<QListWidget>(d, 1005);
    }
    // Selects the named players one after the other, as clicks would.
    static void select(const QDialog& d, const QStringList& names) {
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
    EXPECT_EQ(listTexts(dialog, 1005), (QStringList{"Adam", "Mia", "Zoe"}));

    services.messages.answerNo();
    select(dialog, {"Zoe", "Adam"});
    click(dialog, 1007);
    EXPECT_EQ(lastBox().text, "Are you sure you want to build this team?\n\nPlease verify "
                              "selections. Teams cannot be deleted!");
    EXPECT_EQ(lastBox().caption, "Warning");
    EXPECT_EQ(lastBox().buttons, platform::MessageButtons::YesNo);
    EXPECT_EQ(store().teams.size(), 1u);
    EXPECT_TRUE(available(dialog)->selectedItems().isEmpty());
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
    EXPECT_EQ(listTexts(dialog, 1009), (QStringList{"Adam & Zoe", "Bob & cy"}));
    EXPECT_EQ(listTexts(dialog, 1005), QStringList{"Mia"});
    EXPECT_EQ(read("teams.txt"), "TEAM Bob & cy\nTEAM Adam & Zoe\n");
    EXPECT_TRUE(built.hasOpponent("Bob & cy"));
    EXPECT_TRUE(store().teams[0]->hasOpponent("Adam & Zoe"));
}

TEST_F(TeamBuilderDialogTest, AnyOtherNumberOfPlayersGetsTheTipAndAClearedList) {
    for (const char* name : {"Ann", "Bob", "Cy", "Dee"}) {
        addPlayer(name);
    }
    TeamBuilderDialog dialog;
    for (const QStringList& chosen :
         {QStringList{}, QStringList{"Bob"}, QStringList{"Ann", "Cy", "Dee"}}) {
        select(dialog, chosen);
        click(dialog, 1007);
        EXPECT_EQ(lastBox().text, "Please select 2 players to build a team");
        EXPECT_EQ(lastBox().caption, "Build Team Tip");
        EXPECT_EQ(lastBox().buttons, platform::MessageButtons::Ok);
        EXPECT_TRUE(available(dialog)->selectedItems().isEmpty());
    }
    EXPECT_EQ(boxes(), 3u);
    EXPECT_TRUE(store().teams.empty());

    select(dialog, {"Ann", "Dee"});
    click(dialog, 1010);
    EXPECT_TRUE(available(dialog)->selectedItems().isEmpty());
    EXPECT_EQ(available(dialog)->count(), 4);
    EXPECT_EQ(boxes(), 3u);
}

TEST_F(TeamBuilderDialogTest, AFailedWriteIsReportedAndTheTeamStays) {
    addPlayer("Ann");
    addPlayer("Cy");
    TeamBuilderDialog dialog;
    removeFolder();
    services.messages.answerYes();
    select(dialog, {"Ann", "Cy"});
    click(dialog, 1007);
    EXPECT_EQ(services.messages.captions(), (std::vector<QString>{"Warning", "Error"}));
    EXPECT_TRUE(lastBox().text.contains("teams.txt"));
    EXPECT_EQ(listTexts(dialog, 1009), QStringList{"Ann & Cy"});
    EXPECT_EQ(store().teams.size(), 1u);
}

TEST_F(TeamBuilderDialogTest, AvailabilityFollowsTeamsAddedSinceTheLastFill) {
    TeamBuilderDialog dialog;
    EXPECT_TRUE(dialog.IsUnassignedPlayer("ANN"));
    addTeam("ann", "bob");
    EXPECT_FALSE(dialog.IsUnassignedPlayer("ANN"));
    EXPECT_FALSE(dialog.IsUnassignedPlayer("Bob"));
    EXPECT_TRUE(dialog.IsUnassignedPlayer("Cy"));
}

} // namespace
} // namespace corvane::dialogs

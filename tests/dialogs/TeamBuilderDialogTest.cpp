#include "dialogs/TeamBuilderDialog.h"

#include "DialogTestBase.h"

namespace corvane::dialogs {
namespace {

using TeamBuilderDialogTest = DialogTestBase;

QListWidget* available(const QDialog& d) {
    return platform::control<QListWidget>(d, 1005);
}
// Selects the named players one after the other, as clicks would.
void select(const QDialog& d, const QStringList& names) {
    for (const QString& n : names) {
        available(d)->findItems(n, Qt::MatchExactly).front()->setSelected(true);
    }
}

TEST_F(TeamBuilderDialogTest, BuildsTheSortedPairAfterYesNothingAfterNoReportsAFailedWrite) {
    for (const char* name : {"Zoe", "bob", "Adam", "Cy", "Mia", "Ned"}) {
        addPlayer(name);
    }
    addTeam("Bob", "cy"); // the same players in another case: they are taken
    TeamBuilderDialog dialog;
    EXPECT_EQ(listTexts(dialog, 1005), (QStringList{"Adam", "Mia", "Ned", "Zoe"}));

    services.messages.answerNo();
    select(dialog, {"Zoe", "Adam"});
    click(dialog, 1007);
    expectBox("Are you sure you want to build this team?\n\nPlease verify selections. Teams "
              "cannot be deleted!",
              "Warning", platform::MessageButtons::YesNo);
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
    EXPECT_EQ(listTexts(dialog, 1009), (QStringList{"Adam & Zoe", "Bob & cy"}));
    EXPECT_EQ(listTexts(dialog, 1005), (QStringList{"Mia", "Ned"}));
    EXPECT_EQ(read("teams.txt"), "TEAM Bob & cy\nTEAM Adam & Zoe\n");
    EXPECT_TRUE(built.hasOpponent("Bob & cy"));
    EXPECT_TRUE(store().teams[0]->hasOpponent("Adam & Zoe"));

    removeFolder();
    services.messages.clear();
    services.messages.answerYes();
    select(dialog, {"Mia", "Ned"});
    click(dialog, 1007);
    expectSaveError(1, "teams.txt");
    EXPECT_EQ(listTexts(dialog, 1009).back(), "Mia & Ned");
    EXPECT_EQ(store().teams.size(), 3u);
    EXPECT_EQ(available(dialog)->count(), 0);
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
        expectBox("Please select 2 players to build a team", "Build Team Tip");
        EXPECT_TRUE(available(dialog)->selectedItems().isEmpty());
    }
    select(dialog, {"Ann", "Dee"});
    click(dialog, 1010);
    EXPECT_TRUE(available(dialog)->selectedItems().isEmpty());
    EXPECT_EQ(available(dialog)->count(), 4);
    EXPECT_EQ(boxes(), 3u);
    EXPECT_TRUE(store().teams.empty());

    // Judged against the teams of the moment, also between fills.
    addTeam("ann", "bob");
    EXPECT_FALSE(dialog.IsUnassignedPlayer("BOB"));
    EXPECT_TRUE(dialog.IsUnassignedPlayer("Cy"));
}

} // namespace
} // namespace corvane::dialogs

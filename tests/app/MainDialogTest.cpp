#include "AppTestFixture.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>

namespace corvane::testing {
namespace {

using MainDialogTest = AppTest;

#ifdef CORVANE_HAS_ADD_PLAYER_DIALOG
constexpr bool hasAddPlayer = true;
#else
constexpr bool hasAddPlayer = false;
#endif
#ifdef CORVANE_HAS_TEAM_BUILDER_DIALOG
constexpr bool hasTeamBuilder = true;
#else
constexpr bool hasTeamBuilder = false;
#endif
#ifdef CORVANE_HAS_GAME_RESULTS_DIALOG
constexpr bool hasGameResults = true;
#else
constexpr bool hasGameResults = false;
#endif

TEST_F(MainDialogTest, WithoutTournamentDatOnlyTheMenuIsOffered) {
    dir.write("Tournament0/players.txt", "PLAYER Ann\n");
    open();
    EXPECT_EQ(window->windowTitle(), "Corvane Tournament Software v1.2");
    EXPECT_FALSE(window->windowIcon().isNull());
    EXPECT_FALSE(buttonsShown());
    EXPECT_EQ(store().workingDirectory, dir.path());
    EXPECT_EQ(store().tournamentFolder, "Tournament0");
    EXPECT_EQ(store().noTournamentYet, 1);
    ASSERT_EQ(store().players.size(), 1u); // whatever Tournament0 holds is loaded
    EXPECT_TRUE(services.messages.shown().empty());

    // Closing frees the store.
    window.reset();
    EXPECT_EQ(TournamentStore::instance, nullptr);
}

TEST_F(MainDialogTest, TournamentThreeOpensWithItsDataAndButtons) {
    dir.write("tournament.dat", "TOURNAMENT 3\n");
    dir.write("Tournament3/players.txt", "PLAYER Ann\nPLAYER Bob\n");
    dir.write("Tournament3/teams.txt", "TEAM Ann & Bob\n");
    open();
    EXPECT_TRUE(buttonsShown());
    EXPECT_EQ(store().tournamentFolder, "Tournament3");
    EXPECT_EQ(store().players.size(), 2u);
    EXPECT_EQ(store().teams.size(), 1u);

    // View Tournament Results publishes and shows the leader board.
    platform::control<QPushButton>(*window, 1003)->click();
    ASSERT_EQ(services.viewer.calls.size(), 2u);
    EXPECT_EQ(services.viewer.calls[1], "start " + dir.file("Tournament3/tournament.html"));
}

TEST_F(MainDialogTest, EnterAndEscapeDoNothingAndAboutOpensFromTheHelpMenu) {
    open();
    window->show();
    for (int key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(window.get(), &press);
    }
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(services.dialogs.runs.empty());

    // The menu bar: "Tournament" with its two commands, then "&Help".
    const QList<QAction*> menus = platform::templateMenuBar(*window)->actions();
    ASSERT_EQ(menus.size(), 2);
    EXPECT_EQ(menus[0]->text(), "Tournament");
    EXPECT_EQ(menus[1]->text(), "&Help");
    const QList<QAction*> help = menus[1]->menu()->actions();
    ASSERT_EQ(help.size(), 1);
    EXPECT_EQ(help[0]->text(), "&About Corvane Tournament Software...");
    help[0]->trigger();
    ASSERT_EQ(services.dialogs.runs.size(), 1u);
    EXPECT_EQ(services.dialogs.runs[0].caption, "About Corvane Tournament Software");
    EXPECT_EQ(services.dialogs.runs[0].owner, window.get());
    window->close();
    EXPECT_FALSE(window->isVisible());
}

TEST_F(MainDialogTest, EachDataEntryButtonRunsItsDialogOverTheMainWindow) {
    dir.write("tournament.dat", "TOURNAMENT 1\n");
    open();
    const struct {
        int button;
        const char* caption;
        bool present;
    } dialogs[] = {
        {1000, "Add Player", hasAddPlayer},
        {1001, "Team Builder", hasTeamBuilder},
        {1002, "Enter Game Results", hasGameResults},
    };
    for (const auto& d : dialogs) {
        SCOPED_TRACE(d.caption);
        services.dialogs.runs.clear();
        platform::control<QPushButton>(*window, d.button)->click();
        if (!d.present) {
            EXPECT_TRUE(services.dialogs.runs.empty());
            continue;
        }
        ASSERT_EQ(services.dialogs.runs.size(), 1u);
        EXPECT_EQ(services.dialogs.runs[0].caption, d.caption);
        EXPECT_EQ(services.dialogs.runs[0].owner, window.get());
    }
    EXPECT_TRUE(services.viewer.calls.empty());
}

} // namespace
} // namespace corvane::testing

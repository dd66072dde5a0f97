#include "StoreFixture.h"

namespace corvane::testing {
namespace {

class Statistics : public StoreTestBase {
protected:
    const TeamRecord& ab = addTeam("Ann", "Bob");
    const TeamRecord& cd = addTeam("Cy", "Di");
    const TeamRecord& ef = addTeam("Ed", "Flo");
    bool remove(const GameRecord& g) { return store.removeGame(formatGameLine(g)); }
};

TEST_F(Statistics, GamesAddUpWithDerivedQuotients) {
    addGame("Ann & Bob", 300, "Cy & Di", 200, 1, 2);
    addGame("Ann & Bob", 250, "Cy & Di", 100);
    addGame("Ed & Flo", 310, "Ann & Bob", 90, 0, 3);
    addGame("ANN & BOB", 120, "Cy & Di", 120); // a draw
    addGame("Ann & Bob", 201, "Ed & Flo", 200);
    addGame("Ann & Bob", 1, "Nobody & Here", 0); // the missing side is skipped
    EXPECT_EQ(
        (std::vector<std::int64_t>{ab.gamesPlayed, ab.wins, ab.losses, ab.winLossDifference,
                                   ab.pointsFor, ab.pointsAgainst, ab.flagsGiven, ab.flagged}),
        (std::vector<std::int64_t>{6, 4, 1, 3, 962, 930, 1 + 3, 2}));
    EXPECT_EQ(
        (std::vector{ab.winRatio, ab.averageScore, ab.averageOpponentScore, ab.averageMargin}),
        (std::vector{float(4 / 6.0), float(962 / 6.0), float(930 / 6.0), float(32 / 6.0)}));
    EXPECT_EQ(cd.averageMargin, float(-250 / 3.0));
}

TEST_F(Statistics, HighAndLowScoresStayTrueAsGamesComeAndGo) {
    addGame("Ann & Bob", 100, "Cy & Di", 30);
    const GameRecord& g150 = addGame("Ann & Bob", 150, "Cy & Di", 20);
    const GameRecord& g200 = addGame("Ann & Bob", 200, "Cy & Di", 10);
    EXPECT_EQ((std::vector{ab.highScore, ab.previousHighScore, ab.lowScore}),
              (std::vector{200, 150, 100}));
    // A first score of 0 is a score: the next game is not the first again.
    addGame("Ed & Flo", 0, "Nobody", 0);
    addGame("Ed & Flo", 50, "Nobody", 0);
    EXPECT_EQ((std::vector{ef.highScore, ef.lowScore}), (std::vector{50, 0}));

    // Taken from the games that remain, not from the previous values.
    ASSERT_TRUE(remove(g200));
    ASSERT_TRUE(remove(g150));
    EXPECT_EQ((std::vector{ab.highScore, ab.lowScore}), (std::vector{100, 100}));
    EXPECT_EQ((std::vector{cd.highScore, cd.lowScore}), (std::vector{30, 30}));
    ASSERT_TRUE(remove(store.games()[0]));
    EXPECT_EQ((std::vector<std::int64_t>{ab.gamesPlayed, ab.highScore, ab.lowScore, ab.pointsFor}),
              (std::vector<std::int64_t>{0, 0, 0, 0}));
    // One point past the high or the low is a new high or low.
    for (const int score : {100, 101, 99}) {
        addGame("Ann & Bob", score, "Cy & Di", 0);
    }
    EXPECT_EQ((std::vector{ab.highScore, ab.lowScore}), (std::vector{101, 99}));
}

TEST_F(Statistics, RemovingAGameKeepsTheOrderAndTheMarksWhileTheTeamsStillMet) {
    const GameRecord& first = addGame("Ann & Bob", 10, "Cy & Di", 20);
    addGame("Ed & Flo", 30, "Ann & Bob", 40);
    addGame("cy & di", 50, "ann & bob", 60); // the same two teams again
    EXPECT_FALSE(store.removeGame("Nobody   (0, 0)   -- vs --   Else   (0, 0)"));
    ASSERT_TRUE(store.removeGame("ED & FLO   (30, 0)   -- vs --   ann & bob   (40, 0)"));
    ASSERT_EQ(store.games().size(), 2u);
    EXPECT_EQ(store.games()[1].team1Name, "cy & di");
    EXPECT_EQ(playedMark(ab, "Ed & Flo") + playedMark(ef, "Ann & Bob"), 0);
    ASSERT_TRUE(remove(first));
    EXPECT_EQ(playedMark(ab, "Cy & Di") + playedMark(cd, "Ann & Bob"), 2);
    ASSERT_TRUE(remove(store.games()[0]));
    EXPECT_EQ(playedMark(ab, "Cy & Di") + playedMark(cd, "Ann & Bob"), 0);
}

TEST_F(Statistics, OpponentListsGrowInTheTeamsOrderAtEachRefresh) {
    addTeam("Gus", "Hal");
    store.reorderTeams([](auto& x, auto& y) { return x.teamName > y.teamName; });
    addTeam("ann", "BOB");        // differs only in case: no entries for each other
    store.buildTeam("Ivy", "Jo"); // refreshed with the next one
    addTeam("Kai", "Lu");
    std::string lists;
    for (const TeamRecord& team : store.teams()) {
        lists += team.teamName + ":";
        for (const OpponentEntry& entry : team.opponents())
            lists += " " + std::string(entry.opponentName.substr(0, 2));
        lists += "\n";
    }
    EXPECT_EQ(lists,
              "Gus & Hal: An Cy Ed Iv Ka\nEd & Flo: An Cy Gu Iv Ka\nCy & Di: An Ed Gu Iv Ka\n"
              "Ann & Bob: Cy Ed Gu Iv Ka\nann & BOB: Gu Ed Cy Iv Ka\n"
              "Ivy & Jo: Gu Ed Cy An Ka\nKai & Lu: Gu Ed Cy An Iv\n");
}

} // namespace
} // namespace corvane::testing

#include "StoreFixture.h"
#include "store/NameCompare.h"

#include <algorithm>

using namespace corvane;
using namespace corvane::testing;

namespace {

class Statistics : public StoreTestBase {
protected:
    Statistics() {
        addTeam("Ann", "Bob");
        addTeam("Cy", "Di");
        addTeam("Ed", "Flo");
    }
    TeamRecord& ab() { return *store.teams[0]; }
    TeamRecord& cd() { return *store.teams[1]; }
    TeamRecord& ef() { return *store.teams[2]; }
    bool remove(const GameRecord& g) { return store.removeGame(formatGameLine(g)); }
};

} // namespace

TEST_F(Statistics, GamesAddUpWithDerivedQuotients) {
    addGame("Ann & Bob", 300, "Cy & Di", 200, 1, 2);
    addGame("Ann & Bob", 250, "Cy & Di", 100);
    addGame("Ed & Flo", 310, "Ann & Bob", 90, 0, 3);
    addGame("ANN & BOB", 120, "Cy & Di", 120); // a draw
    addGame("Ann & Bob", 201, "Ed & Flo", 200);
    addGame("Ann & Bob", 1, "Nobody & Here", 0); // the missing side is skipped
    EXPECT_EQ(ab().gamesPlayed, 6);
    EXPECT_EQ(ab().wins, 4);
    EXPECT_EQ(ab().losses, 1);
    EXPECT_EQ(ab().winLossDifference, 3);
    EXPECT_EQ(ab().pointsFor, 962);
    EXPECT_EQ(ab().pointsAgainst, 930);
    EXPECT_EQ(ab().flagsGiven, 1 + 3);
    EXPECT_EQ(ab().flagged, 2);
    EXPECT_EQ(ab().winRatio, static_cast<float>(4 / 6.0));
    EXPECT_EQ(ab().averageScore, static_cast<float>(962 / 6.0));
    EXPECT_EQ(ab().averageOpponentScore, static_cast<float>(930 / 6.0));
    EXPECT_EQ(ab().averageMargin, static_cast<float>(32 / 6.0));
    EXPECT_EQ(cd().gamesPlayed, 3);
    EXPECT_EQ(cd().wins + cd().losses, 2);
    EXPECT_EQ(cd().winRatio, 0.0f);
    EXPECT_EQ(cd().averageMargin, static_cast<float>(-250 / 3.0));
    EXPECT_EQ(playedMark(ab(), "Ed & Flo"), 1);
    EXPECT_EQ(playedMark(cd(), "Ed & Flo"), 0);
}

TEST_F(Statistics, HighAndLowScoresStayTrue) {
    const GameRecord& g120 = addGame("Ann & Bob", 120, "Cy & Di", 0);
    const GameRecord& g80 = addGame("Ann & Bob", 80, "Cy & Di", 0);
    addGame("Ann & Bob", 150, "Cy & Di", 0);
    EXPECT_EQ(ab().highScore, 150);
    EXPECT_EQ(ab().previousHighScore, 120);
    EXPECT_EQ(ab().lowScore, 80);
    EXPECT_EQ(ab().previousLowScore, 120);
    // A first score of 0 is a score: the next game is not the first again.
    EXPECT_EQ(cd().highScore, 0);
    EXPECT_EQ(cd().lowScore, 0);
    addGame("Cy & Di", 50, "Ed & Flo", 100);
    EXPECT_EQ(cd().highScore, 50);
    EXPECT_EQ(cd().lowScore, 0);

    ASSERT_TRUE(remove(g80));
    EXPECT_EQ(ab().lowScore, 120);
    ASSERT_TRUE(remove(g120));
    EXPECT_EQ(ab().highScore, 150);
    EXPECT_EQ(ab().lowScore, 150);
    EXPECT_EQ(ab().gamesPlayed, 1);
}

TEST_F(Statistics, RemovingGamesInAnyOrderLeavesTheRemainingRange) {
    addGame("Ann & Bob", 100, "Cy & Di", 0);
    const GameRecord& g150 = addGame("Ann & Bob", 150, "Cy & Di", 0);
    const GameRecord& g200 = addGame("Ann & Bob", 200, "Cy & Di", 0);
    EXPECT_EQ(ab().previousHighScore, 150);
    ASSERT_TRUE(remove(g200));
    EXPECT_EQ(ab().highScore, 150);
    ASSERT_TRUE(remove(g150));
    EXPECT_EQ(ab().highScore, 100);
    EXPECT_EQ(ab().lowScore, 100);
    EXPECT_EQ(ab().averageScore, 100.0f);

    ASSERT_TRUE(remove(*store.games[0]));
    EXPECT_TRUE(store.games.empty());
    EXPECT_EQ(ab().gamesPlayed, 0);
    EXPECT_EQ(ab().highScore, 0);
    EXPECT_EQ(ab().lowScore, 0);
    EXPECT_EQ(ab().previousHighScore, 150); // kept
    EXPECT_EQ(ab().winRatio, 0.0f);
    EXPECT_EQ(ab().winLossDifference, 0);
    EXPECT_EQ(ab().pointsFor, 0);
    addGame("Ann & Bob", 70, "Cy & Di", 0);
    EXPECT_EQ(ab().lowScore, 70);
}

TEST_F(Statistics, RemoveGameKeepsOrderAndMarksWhileTheTeamsStillMet) {
    const GameRecord& first = addGame("Ann & Bob", 10, "Cy & Di", 20);
    addGame("Ed & Flo", 30, "Ann & Bob", 40);
    addGame("cy & di", 50, "ann & bob", 60); // the same two teams again
    EXPECT_FALSE(store.removeGame("Nobody   (0, 0)   -- vs --   Else   (0, 0)"));
    EXPECT_FALSE(store.removeGame(""));
    EXPECT_EQ(formatGameLine(*store.games[1]),
              "Ed & Flo   (30, 0)   -- vs --   Ann & Bob   (40, 0)");
    ASSERT_TRUE(store.removeGame("ED & FLO   (30, 0)   -- vs --   ann & bob   (40, 0)"));
    ASSERT_EQ(store.games.size(), 2u);
    EXPECT_EQ(store.games[1]->team1Name, "cy & di");
    EXPECT_EQ(playedMark(ab(), "Ed & Flo"), 0);
    EXPECT_EQ(playedMark(ef(), "Ann & Bob"), 0);

    ASSERT_TRUE(remove(first));
    EXPECT_EQ(playedMark(ab(), "Cy & Di"), 1);
    EXPECT_EQ(playedMark(cd(), "Ann & Bob"), 1);
    ASSERT_TRUE(remove(*store.games[0]));
    EXPECT_EQ(playedMark(ab(), "Cy & Di"), 0);
    EXPECT_EQ(playedMark(cd(), "Ann & Bob"), 0);
    EXPECT_EQ(ab().gamesPlayed, 0);
}

namespace {

// The opponent lists as the plain rule makes them: every pair looked at.
struct ListModel {
    std::vector<std::pair<std::string, std::vector<std::string>>> teams;
    void refresh() {
        for (auto& [name, opponents] : teams) {
            for (const auto& other : teams) {
                const bool known = std::any_of(opponents.begin(), opponents.end(),
                                               [&](auto& o) { return namesEqual(o, other.first); });
                if (!namesEqual(name, other.first) && !known) {
                    opponents.push_back(other.first);
                }
            }
        }
    }
};

} // namespace

TEST_F(Statistics, OpponentListsFollowTheTeamsOrderAsTheyGrow) {
    ASSERT_EQ(ab().opponents.size(), 2u);
    EXPECT_EQ(ab().opponents[1]->opponentName, "Ed & Flo");
    EXPECT_EQ(ef().opponents[0]->opponentName, "Ann & Bob");
    EXPECT_EQ(ef().opponents[1]->opponentName, "Cy & Di");

    ListModel model;
    for (const auto& team : store.teams) {
        model.teams.push_back({team->teamName, {}});
    }
    model.refresh();
    const auto byName = [](const std::string& a, const std::string& b) { return a > b; };
    const auto grow = [&](const std::string& a, const std::string& b, bool refresh) {
        auto team = std::make_unique<TeamRecord>();
        team->teamName = a + " & " + b;
        store.appendTeam(std::move(team));
        model.teams.push_back({a + " & " + b, {}});
        if (refresh) {
            store.refreshOpponentLists();
            model.refresh();
        }
    };
    grow("Gus", "Hal", true);
    store.reorderTeams([&](auto& x, auto& y) { return byName(x.teamName, y.teamName); });
    std::stable_sort(model.teams.begin(), model.teams.end(),
                     [&](auto& x, auto& y) { return byName(x.first, y.first); });
    grow("ann", "BOB", true); // differs only in case: no entries for each other
    grow("Ivy", "Jo", false);
    grow("Kai", "Lu", true);
    grow("Mo", "Ned", true);

    ASSERT_EQ(store.teams.size(), model.teams.size());
    for (std::size_t i = 0; i < model.teams.size(); ++i) {
        std::vector<std::string> names;
        for (const auto& entry : store.teams[i]->opponents) {
            names.push_back(entry->opponentName);
        }
        EXPECT_EQ(names, model.teams[i].second) << model.teams[i].first;
    }
    EXPECT_EQ(playedMark(*store.findTeam("ann & BOB"), "Ann & Bob"), -1);
}

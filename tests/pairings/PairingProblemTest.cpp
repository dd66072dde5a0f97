#include "pairings/PairingProblem.h"

#include <gtest/gtest.h>
#include <vector>

namespace corvane::testing {
namespace {

TEST(PairingProblem, MetEitherWayRoundAndEachOpponentOnce) {
    const std::vector<TeamPair> met = {{2, 0}, {0, 2}, {3, 1}, {2, 0}, {0, 3}};
    const auto problem = makePairingProblem(5, met);
    ASSERT_TRUE(problem);
    EXPECT_TRUE(problem->met(0, 2));
    EXPECT_TRUE(problem->met(2, 0));
    EXPECT_TRUE(problem->met(1, 3));
    EXPECT_FALSE(problem->met(0, 1));
    EXPECT_FALSE(problem->met(4, 4));
    EXPECT_FALSE(problem->met(0, 7)) << "a team outside the field met no one";
    EXPECT_EQ(problem->metPairCount(), 3u);
    const auto opponents = problem->opponentsMet(0);
    EXPECT_EQ(std::vector<int>(opponents.begin(), opponents.end()), (std::vector<int>{2, 3}));
    EXPECT_TRUE(problem->opponentsMet(4).empty());
}

TEST(PairingProblem, RefusesWhatNamesNoRealPair) {
    struct Case {
        const char* what;
        int teams;
        std::vector<TeamPair> met;
    };
    const std::vector<Case> refused = {
        {"negative count", -1, {}},
        {"too many teams", kMaxPairingTeams + 1, {}},
        {"team past the end", 3, {{0, 3}}},
        {"negative team", 3, {{-1, 2}}},
        {"a team against itself", 3, {{1, 1}}},
    };
    for (const Case& c : refused) {
        EXPECT_FALSE(makePairingProblem(c.teams, c.met)) << c.what;
    }
    EXPECT_TRUE(makePairingProblem(0, {}));
    EXPECT_TRUE(makePairingProblem(kMaxPairingTeams, {}));
}

} // namespace
} // namespace corvane::testing

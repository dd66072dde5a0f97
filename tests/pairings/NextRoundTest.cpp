#include "RandomTournament.h"

#include <set>
#include <string>

namespace corvane::testing {
namespace {

// A proposal seats every team once, numbers its tables by the better-placed
// team, flags exactly the repeats and states its own figures.
void expectWellFormed(const PairingProblem& problem, const RoundProposal& proposal) {
    std::set<int> seated;
    int lastTeam1 = -1;
    for (const Table& table : proposal.tables) {
        EXPECT_LT(table.team1, table.team2);
        EXPECT_GT(table.team1, lastTeam1) << "tables in the order of their better-placed team";
        lastTeam1 = table.team1;
        EXPECT_EQ(table.repeat, problem.met(table.team1, table.team2));
        EXPECT_TRUE(seated.insert(table.team1).second);
        EXPECT_TRUE(seated.insert(table.team2).second);
    }
    EXPECT_EQ(proposal.bye.has_value(), problem.teamCount() % 2 == 1);
    if (proposal.bye) {
        EXPECT_TRUE(seated.insert(*proposal.bye).second);
    }
    EXPECT_EQ(static_cast<int>(seated.size()), problem.teamCount());
    EXPECT_EQ(proposal.figures, figuresOf(problem, proposal.tables, proposal.bye));
}

// Densities from "none met" to "every pair met"; the start graph from the
// default to none at all, so that the optimality check has to find the pairs.
TEST(NextRound, MatchesExhaustiveSearchOnSmallRandomTournaments) {
    const double densities[] = {0.0, 0.3, 0.5, 0.8, 1.0};
    const int starts[] = {-1, 0, 1};
    int compared = 0;
    for (int teams = 0; teams <= 10; ++teams) {
        for (const double density : densities) {
            for (unsigned seed = 1; seed <= 12; ++seed) {
                const auto problem = randomProblem(teams, density, seed * 7919u + teams);
                const RuleFigures best = ExhaustiveSearch(problem).best();
                for (const int nearest : starts) {
                    const auto proposal = nearest < 0 ? proposeNextRound(problem)
                                                      : proposeNextRound(problem, nearest);
                    SCOPED_TRACE(std::to_string(teams) + " teams, density " +
                                 std::to_string(density) + ", seed " + std::to_string(seed) +
                                 ", start " + std::to_string(nearest));
                    expectWellFormed(problem, proposal);
                    EXPECT_EQ(proposal.figures, best);
                    ++compared;
                }
            }
        }
    }
    EXPECT_EQ(compared, 11 * 5 * 12 * 3);
}

// Each level of the rule decides a case on its own.
TEST(NextRound, EachLevelOfTheRule) {
    struct Case {
        int teams;
        std::vector<TeamPair> met;
        std::vector<Table> tables;
        std::optional<int> bye;
        RuleFigures figures;
    };
    const std::optional<int> none;
    const Case cases[] = {
        // neighbours by place
        {4, {}, {{0, 1}, {2, 3}}, none, {0, 2, 0}},
        // a wider gap rather than a repeat
        {4, {{0, 1}, {2, 3}, {0, 2}}, {{0, 3}, {1, 2}}, none, {0, 4, 0}},
        // a repeat only where there is no other way
        {4, {{0, 1}, {0, 2}, {0, 3}}, {{0, 1, true}, {2, 3}}, none, {1, 2, 0}},
        // equal gaps: the bye to the last team
        {3, {}, {{0, 1}}, 2, {0, 1, 3}},
        // the bye spares the last team its repeats
        {5, {{3, 4}, {2, 4}}, {{0, 1}, {2, 3}}, 4, {0, 2, 5}},
        // the bye goes up to avoid a repeat
        {3, {{0, 1}}, {{1, 2}}, 0, {0, 1, 1}},
        // a lower bye loses to a smaller gap sum
        {5, {{3, 4}, {2, 3}}, {{0, 1}, {2, 4}}, 3, {0, 3, 4}},
        // a lone team sits out
        {1, {}, {}, 0, {0, 0, 1}},
        // every pair met: repeats by neighbours
        {4,
         {{0, 1}, {0, 2}, {0, 3}, {1, 2}, {1, 3}, {2, 3}},
         {{0, 1, true}, {2, 3, true}},
         none,
         {2, 2, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.tables));
        const auto proposal = proposeNextRound(makePairingProblem(c.teams, c.met).value());
        EXPECT_EQ(proposal.tables, c.tables);
        EXPECT_EQ(proposal.bye, c.bye);
        EXPECT_EQ(proposal.figures, c.figures);
    }
}

// Beyond what can be tried exhaustively: however little the search starts
// from, it ends at the same optimum.
TEST(NextRound, SameOptimumFromAnyStartOnLargerTournaments) {
    for (const int teams : {31, 60}) {
        for (const double density : {0.2, 0.5, 0.9}) {
            const auto problem = randomProblem(teams, density, 4242u + teams);
            const auto reference = proposeNextRound(problem, teams);
            for (const int nearest : {0, 1, 3}) {
                const auto proposal = proposeNextRound(problem, nearest);
                expectWellFormed(problem, proposal);
                EXPECT_EQ(proposal.figures, reference.figures)
                    << teams << " teams, density " << density << ", start " << nearest;
            }
        }
    }
}

} // namespace
} // namespace corvane::testing

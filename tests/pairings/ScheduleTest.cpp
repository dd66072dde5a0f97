#include "pairings/Schedule.h"

#include "RandomTournament.h"

#include <algorithm>
#include <set>
#include <string>
#include <utility>

namespace corvane::testing {
namespace {

int mostUnmet(const PairingProblem& problem) {
    int most = 0;
    for (int t = 0; t < problem.teamCount(); ++t) {
        const auto unmet =
            problem.teamCount() - 1 - static_cast<int>(problem.opponentsMet(t).size());
        most = std::max(most, unmet);
    }
    return most;
}

// Each unmet pair exactly once and no met pair, every team exactly once a
// round (at a table or among the byes), tables ordered as in a proposal.
void expectSound(const PairingProblem& problem, const Schedule& schedule) {
    std::set<std::pair<int, int>> scheduled;
    for (const ScheduleRound& round : schedule.rounds) {
        std::vector<int> seen(static_cast<std::size_t>(problem.teamCount()), 0);
        int lastTeam1 = -1;
        EXPECT_FALSE(round.tables.empty());
        for (const Table& table : round.tables) {
            EXPECT_LT(table.team1, table.team2);
            EXPECT_GT(table.team1, lastTeam1);
            lastTeam1 = table.team1;
            EXPECT_FALSE(table.repeat);
            EXPECT_FALSE(problem.met(table.team1, table.team2));
            EXPECT_TRUE(scheduled.insert({table.team1, table.team2}).second) << "pair twice";
            ++seen[static_cast<std::size_t>(table.team1)];
            ++seen[static_cast<std::size_t>(table.team2)];
        }
        EXPECT_TRUE(std::is_sorted(round.byes.begin(), round.byes.end()));
        for (const int bye : round.byes) {
            ++seen[static_cast<std::size_t>(bye)];
        }
        EXPECT_EQ(std::count(seen.begin(), seen.end(), 1), problem.teamCount());
    }
    std::size_t unmet = 0;
    for (int a = 0; a < problem.teamCount(); ++a) {
        for (int b = a + 1; b < problem.teamCount(); ++b) {
            unmet += problem.met(a, b) ? 0 : 1;
        }
    }
    EXPECT_EQ(scheduled.size(), unmet);
}

// Vizing's bound: never more rounds than one past the most unmet opponents of
// any team, which is itself the least possible. When nothing was played, the
// full round robin: a round for each other team, and one more with an odd count.
TEST(Schedule, RemainingPairsInAtMostOneRoundMoreThanTheLeastPossible) {
    EXPECT_TRUE(scheduleRemaining(makePairingProblem(0, {}).value()).rounds.empty());
    int cases = 0;
    for (int teams = 2; teams <= 40; teams += 3) {
        for (const double density : {0.0, 0.05, 0.3, 0.5, 0.7, 0.95, 1.0}) {
            for (unsigned seed = 1; seed <= 4; ++seed) {
                SCOPED_TRACE(std::to_string(teams) + " teams, density " + std::to_string(density) +
                             ", seed " + std::to_string(seed));
                const auto problem = randomProblem(teams, density, seed * 104729u + teams);
                const Schedule schedule = scheduleRemaining(problem);
                expectSound(problem, schedule);
                const auto rounds = static_cast<int>(schedule.rounds.size());
                EXPECT_LE(rounds, mostUnmet(problem) + 1);
                EXPECT_GE(rounds, mostUnmet(problem));
                if (problem.metPairCount() == 0) {
                    EXPECT_EQ(rounds, teams % 2 == 1 ? teams : teams - 1);
                }
                ++cases;
            }
        }
    }
    EXPECT_EQ(cases, 13 * 7 * 4);
}

// Dense leftovers, where recolouring has the most to do: the second half of a
// round robin, and one team that has met nobody.
TEST(Schedule, DenseLeftovers) {
    for (const int teams : {16, 17, 64}) {
        std::vector<TeamPair> met;
        const auto full = scheduleRemaining(makePairingProblem(teams, {}).value());
        for (std::size_t r = 0; r < full.rounds.size() / 2; ++r) {
            for (const Table& table : full.rounds[r].tables) {
                met.push_back({table.team1, table.team2});
            }
        }
        const auto halfway = makePairingProblem(teams, met).value();
        const Schedule rest = scheduleRemaining(halfway);
        expectSound(halfway, rest);
        if (teams % 2 == 0) {
            EXPECT_EQ(static_cast<int>(rest.rounds.size()), mostUnmet(halfway))
                << "the second half of a round robin in as many rounds as the first";
        } else {
            EXPECT_LE(static_cast<int>(rest.rounds.size()), mostUnmet(halfway) + 1);
        }

        std::vector<TeamPair> allButOne;
        for (int a = 1; a < teams; ++a) {
            for (int b = a + 1; b < teams; ++b) {
                allButOne.push_back({a, b});
            }
        }
        const auto newcomer = makePairingProblem(teams, allButOne).value();
        const Schedule star = scheduleRemaining(newcomer);
        expectSound(newcomer, star);
        EXPECT_EQ(static_cast<int>(star.rounds.size()), teams - 1);
    }
}

// At the team limit: the full round robin comes a round at a time, so a caller
// can stop after the first of 9,999 rounds; what remains after a game would
// take too much memory to colour and is refused before anything is made.
TEST(Schedule, LargeFieldsStreamOrAreRefusedBeforeTheyAllocate) {
    struct Case {
        const char* what;
        int teams;
        std::vector<TeamPair> met;
        bool refused;
        int roundsMade; // rounds handed over before the sink stops at the second
    };
    const Case cases[] = {
        {"full round robin of 10,000 teams", 10000, {}, false, 2},
        {"full round robin of 9,999 teams", 9999, {}, false, 2},
        {"10,000 teams after one game", 10000, {{0, 1}}, true, 0},
        {"200 teams after one game", 200, {{0, 1}}, false, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const auto problem = makePairingProblem(c.teams, c.met).value();
        int made = 0;
        const ScheduleOutcome outcome =
            makeSchedule(problem, [&](int number, const ScheduleRound& round) {
                EXPECT_EQ(number, ++made);
                EXPECT_EQ(round.tables.size() * 2 + round.byes.size(),
                          static_cast<std::size_t>(c.teams));
                return made < 2;
            });
        EXPECT_EQ(outcome.refused, c.refused);
        EXPECT_EQ(outcome.bytesNeeded > kMaxScheduleBytes, c.refused);
        EXPECT_EQ(made, c.roundsMade);
    }
}

} // namespace
} // namespace corvane::testing

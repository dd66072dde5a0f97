// The lines of the sheets, and a proposed round rearranged by hand.
#include "pairings/Seating.h"

#include "PairingPrinters.h"

#include <gtest/gtest.h>

namespace corvane::testing {
namespace {

TEST(Seating, RowsNumberTheTablesFromOneAndPutTheByesLast) {
    using Rows = std::vector<SeatingRow>;
    EXPECT_EQ(roundRows({{0, 3, false}, {1, 2, true}}, 4),
              (Rows{{0, 1, 0, 3, false}, {0, 2, 1, 2, true}, {0, 0, 4, -1, false}}));
    EXPECT_EQ(roundRows({}, std::nullopt), Rows{});

    Schedule schedule;
    schedule.rounds.push_back({{{0, 1, false}}, {2, 3}});
    schedule.rounds.push_back({{{0, 2, false}, {1, 3, false}}, {}});
    EXPECT_EQ(scheduleRows(schedule), (Rows{{1, 1, 0, 1, false},
                                            {1, 0, 2, -1, false},
                                            {1, 0, 3, -1, false},
                                            {2, 1, 0, 2, false},
                                            {2, 2, 1, 3, false}}));
    EXPECT_TRUE(scheduleRows(Schedule{}).empty());
}

class RoundSeatsTest : public ::testing::Test {
protected:
    // Five teams; 0 has met 2, and 3 has met 4.
    const PairingProblem problem =
        makePairingProblem(5, std::vector<TeamPair>{{0, 2}, {4, 3}}).value();
    const RoundProposal proposal = proposeNextRound(problem);
    RoundSeats seats{problem, proposal};
};

TEST_F(RoundSeatsTest, StartAsProposedThenTeamsChangeSeatsAndTheRepeatsFollow) {
    EXPECT_EQ(seats.tables(), (std::vector<Table>{{0, 1, false}, {2, 3, false}}));
    EXPECT_EQ(seats.bye(), 4);
    EXPECT_EQ(seats.figures(), proposal.figures);
    EXPECT_EQ(seats.rows(), roundRows(proposal.tables, proposal.bye));
    struct Step {
        int a;
        int b;
        std::vector<Table> tables;
        int bye;
        int repeats;
    };
    // Each step from the seats the one before left.
    const Step steps[] = {
        {1, 2, {{0, 2, true}, {1, 3, false}}, 4, 1}, // across two tables: a repeat
        {4, 1, {{0, 2, true}, {4, 3, true}}, 1, 2},  // the bye takes a seat at a table
        {3, 4, {{0, 2, true}, {3, 4, true}}, 1, 2},  // within a table: the sides change
        {2, 1, {{0, 1, false}, {3, 4, true}}, 2, 1}, // a team at a table takes the bye
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(std::to_string(step.a) + " with " + std::to_string(step.b));
        EXPECT_TRUE(seats.swapTeams(step.a, step.b));
        EXPECT_EQ(seats.tables(), step.tables);
        EXPECT_EQ(seats.bye(), step.bye);
        EXPECT_EQ(seats.figures().repeats, step.repeats);
        EXPECT_EQ(seats.figures(), figuresOf(problem, seats.tables(), seats.bye()));
    }
}

TEST_F(RoundSeatsTest, ATeamWithItselfOrOutsideTheRoundChangesNothing) {
    for (const auto& [a, b] : {std::pair{1, 1}, {-1, 2}, {2, 5}}) {
        EXPECT_FALSE(seats.swapTeams(a, b)) << a << " with " << b;
    }
    EXPECT_EQ(seats.tables(), proposal.tables);
    EXPECT_EQ(seats.bye(), proposal.bye);

    // With an even count there is no bye seat to swap into.
    const PairingProblem four = makePairingProblem(4, {}).value();
    RoundSeats even(four, proposeNextRound(four));
    EXPECT_TRUE(even.swapTeams(0, 3));
    EXPECT_EQ(even.tables(), (std::vector<Table>{{3, 1, false}, {2, 0, false}}));
    EXPECT_FALSE(even.bye());
}

} // namespace
} // namespace corvane::testing

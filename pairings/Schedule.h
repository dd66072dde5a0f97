#pragma once
// A round-robin schedule of every pair of teams that has not met yet.
#include "pairings/PairingProblem.h"

#include <vector>

namespace corvane {

struct ScheduleRound {
    std::vector<Table> tables; // ordered by the better-placed team, as in a proposal
    std::vector<int> byes;     // teams without a table this round, in place order
};

struct Schedule {
    std::vector<ScheduleRound> rounds;
};

// Every unmet pair exactly once and no team twice in a round. With no game
// played it is the full round robin: n - 1 rounds for an even count n, n rounds
// with one bye each for an odd one. Otherwise it never takes more than D + 1
// rounds, D being the most unmet opponents any team has, and D is the least
// possible; it then tries to do with D (it mostly can, as with the second half
// of a round robin for an even count).
Schedule scheduleRemaining(const PairingProblem& problem);

} // namespace corvane

#pragma once
// A round-robin schedule of every pair of teams that has not met yet.
#include "pairings/PairingProblem.h"

#include <cstdint>
#include <functional>
#include <vector>

namespace corvane {

struct ScheduleRound {
    std::vector<Table> tables; // ordered by the better-placed team, as in a proposal
    std::vector<int> byes;     // teams without a table this round, in place order
};

struct Schedule {
    std::vector<ScheduleRound> rounds;
};

// The most memory the making of a schedule may take. A full round robin takes
// one round at a time and always fits; the colouring of what remains holds
// every pair still to meet, and a field too large for it is refused before
// anything is allocated.
inline constexpr std::uint64_t kMaxScheduleBytes = std::uint64_t{512} << 20;

// What the making of a schedule came to.
struct ScheduleOutcome {
    bool refused = false;
    std::uint64_t bytesNeeded = 0; // when refused: what the making would have taken
};

// Called with each round as it is made, numbered from 1; false stops the making.
using ScheduleRoundSink = std::function<bool(int number, const ScheduleRound& round)>;

// Every unmet pair exactly once and no team twice in a round. With no game
// played it is the full round robin: n - 1 rounds for an even count n, n rounds
// with one bye each for an odd one. Otherwise it never takes more than D + 1
// rounds, D being the most unmet opponents any team has, and D is the least
// possible; it then tries to do with D (it mostly can, as with the second half
// of a round robin for an even count).
// The rounds go to `onRound` in order as they are made, none of them kept.
[[nodiscard]] ScheduleOutcome makeSchedule(const PairingProblem& problem,
                                           const ScheduleRoundSink& onRound);

// The same schedule whole, for fields small enough to hold it (no limit applies).
Schedule scheduleRemaining(const PairingProblem& problem);

} // namespace corvane

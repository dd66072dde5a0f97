#pragma once
// The best next round under the pairing rule: fewest repeats, then the smallest
// sum of place gaps over the tables, then the bye as far down as possible.
#include "pairings/PairingProblem.h"
#include "pairings/PairingWeights.h"

#include <optional>
#include <vector>

namespace corvane {

struct RoundProposal {
    std::vector<Table> tables; // table 1 first: ordered by the better-placed team
    std::optional<int> bye;    // with an odd count, the team that sits out
    RuleFigures figures;
};

// An optimal round, not an approximation.
RoundProposal proposeNextRound(const PairingProblem& problem);

// The same optimum, searched from a starting graph holding each team's
// `nearestUnmet` closest unmet teams on either side; the optimality check then
// brings in whatever else is needed. Fewer makes the check work harder.
RoundProposal proposeNextRound(const PairingProblem& problem, int nearestUnmet);

// The figures of any round: `bye` is the team without a table, if any.
RuleFigures figuresOf(const PairingProblem& problem, const std::vector<Table>& tables,
                      std::optional<int> bye);

} // namespace corvane

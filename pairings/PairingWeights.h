#pragma once
// The pairing rule as one integer cost per pair, so that a minimum-cost perfect
// matching is exactly the best round under the rule.
//
// Let n be the team count, S = max(n, 1) and G = floor(n^2 / 4). Costs:
//   pair i < j:    repeat * R + (j - i) * S     with R = (G + 1) * S
//   bye for team t: n - 1 - t                  (only when n is odd)
// A perfect matching's total is then  repeats * R + gapSum * S + byeTerm  with
//   byeTerm <= n - 1 < S                    (one bye at most), and
//   gapSum * S + byeTerm <= G * S + S - 1 < R,
// because the gaps of disjoint pairs sum to at most G: the sum is the higher
// ends' places minus the lower ends', at most the top half's sum minus the
// bottom half's. So totals compare exactly as (repeats, gapSum, byeTerm) compare
// lexicographically, and a smaller byeTerm is a lower-placed bye: the rule.
// Magnitudes: a pair costs at most R + (n - 1) * S < n^3 for n >= 4, and the
// matching solver works with four times the sums of at most n such numbers;
// kMaxPairingTeams keeps all of that inside 64 bits (checked below).
#include "pairings/PairingProblem.h"

#include <cstdint>
#include <limits>

namespace corvane {

// The three figures of the rule, in its order of importance.
struct RuleFigures {
    int repeats = 0;         // pairs that have met before
    std::int64_t gapSum = 0; // sum over the pairs of the difference of their places
    int byePlace = 0;        // place (1-based) of the team with the bye, 0 for none
    friend bool operator==(const RuleFigures&, const RuleFigures&) = default;
};

// True when `a` is strictly better than `b` under the rule.
bool ruleBetter(const RuleFigures& a, const RuleFigures& b);

class PairingCosts {
public:
    explicit PairingCosts(int teamCount);

    std::int64_t pairCost(int a, int b, bool repeat) const;
    std::int64_t byeCost(int team) const { return teamCount_ - 1 - team; }
    // No single pair or bye costs more.
    std::int64_t maxCost() const { return repeatCost_ + (teamCount_ - 1) * gapCost_; }

    // The total cost of a round with these figures, and back.
    std::int64_t total(const RuleFigures& figures) const;
    RuleFigures figures(std::int64_t total) const;

private:
    std::int64_t teamCount_;
    std::int64_t gapCost_;
    std::int64_t repeatCost_;
};

namespace pairing_bounds {
constexpr std::int64_t maxCostFor(std::int64_t n) {
    return ((n * n / 4) + 1) * n + (n - 1) * n;
}
// Four times (the solver's scale for integer duals) the largest weight, over
// every node of the graph, and a factor of four to spare.
static_assert(maxCostFor(kMaxPairingTeams + 1) <=
              std::numeric_limits<std::int64_t>::max() / 16 / (kMaxPairingTeams + 1));
} // namespace pairing_bounds

} // namespace corvane

#include "pairings/PairingWeights.h"

#include "PairingPrinters.h"

#include <gtest/gtest.h>
#include <vector>

namespace corvane::testing {
namespace {

// Figures at the edges of what a round of n teams can have: the most repeats,
// the largest gap sum, a bye at either end, and their neighbours.
std::vector<RuleFigures> extremeFigures(int n) {
    const int maxRepeats = n / 2;
    const std::int64_t maxGaps = std::int64_t{n} * n / 4;
    const std::vector<int> byes =
        n % 2 == 1 ? std::vector<int>{1, 2, n - 1, n} : std::vector<int>{0};
    std::vector<RuleFigures> all;
    for (const int repeats : {0, 1, maxRepeats - 1, maxRepeats}) {
        for (const std::int64_t gaps : {std::int64_t{0}, std::int64_t{1}, maxGaps - 1, maxGaps}) {
            for (const int bye : byes) {
                if (repeats >= 0 && repeats <= maxRepeats && gaps >= 0 && gaps <= maxGaps &&
                    bye >= n % 2 && bye <= n) {
                    all.push_back({repeats, gaps, bye});
                }
            }
        }
    }
    return all;
}

// The whole rule rests on this: the total cost orders rounds exactly as the
// rule does, and gives the figures back; and no pair or bye costs more than the
// maximum the matching's weights are taken from.
TEST(PairingWeights, TotalsOrderRoundsAsTheRuleDoes) {
    for (const int n : {1, 2, 3, 4, 9, 10, 201, 2000, kMaxPairingTeams - 1, kMaxPairingTeams}) {
        const PairingCosts costs(n);
        EXPECT_LE(costs.pairCost(0, n - 1, true), costs.maxCost()) << n << " teams";
        EXPECT_LE(costs.byeCost(0), costs.maxCost()) << n << " teams";
        const auto figures = extremeFigures(n);
        for (const RuleFigures& a : figures) {
            EXPECT_EQ(costs.figures(costs.total(a)), a) << n << " teams";
            for (const RuleFigures& b : figures) {
                EXPECT_EQ(costs.total(a) < costs.total(b), ruleBetter(a, b)) << n << " teams";
            }
        }
    }
}

} // namespace
} // namespace corvane::testing

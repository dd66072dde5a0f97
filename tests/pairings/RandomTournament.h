#pragma once
// Small tournaments made up for the pairing tests, and the slow sure answers
// to check the fast ones against.
#include "PairingPrinters.h"
#include "pairings/NextRound.h"
#include "pairings/PairingProblem.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <optional>
#include <random>
#include <vector>

namespace corvane::testing {

// Every pair met with probability `density`, some of them recorded twice and
// the wrong way round, as games come.
inline PairingProblem randomProblem(int teams, double density, unsigned seed) {
    std::mt19937 random(seed);
    std::bernoulli_distribution meets(density);
    std::bernoulli_distribution twice(0.2);
    std::vector<TeamPair> met;
    for (int a = 0; a < teams; ++a) {
        for (int b = a + 1; b < teams; ++b) {
            if (meets(random)) {
                met.push_back({b, a});
                if (twice(random)) {
                    met.push_back({a, b});
                }
            }
        }
    }
    std::shuffle(met.begin(), met.end(), random);
    return makePairingProblem(teams, met).value();
}

// The best figures over every way to seat the teams, found by trying them all.
class ExhaustiveSearch {
public:
    explicit ExhaustiveSearch(const PairingProblem& problem)
        : problem_(problem), seated_(static_cast<std::size_t>(problem.teamCount()), false) {}

    RuleFigures best() {
        seat(RuleFigures{});
        return best_.value_or(RuleFigures{});
    }

private:
    void seat(RuleFigures sofar) {
        int first = 0;
        while (first < problem_.teamCount() && seated_[static_cast<std::size_t>(first)]) {
            ++first;
        }
        if (first == problem_.teamCount()) {
            if (!best_ || ruleBetter(sofar, *best_)) {
                best_ = sofar;
            }
            return;
        }
        seated_[static_cast<std::size_t>(first)] = true;
        if (problem_.teamCount() % 2 == 1 && sofar.byePlace == 0) {
            RuleFigures withBye = sofar;
            withBye.byePlace = first + 1;
            seat(withBye);
        }
        for (int other = first + 1; other < problem_.teamCount(); ++other) {
            if (!seated_[static_cast<std::size_t>(other)]) {
                seated_[static_cast<std::size_t>(other)] = true;
                RuleFigures withPair = sofar;
                withPair.repeats += problem_.met(first, other) ? 1 : 0;
                withPair.gapSum += other - first;
                seat(withPair);
                seated_[static_cast<std::size_t>(other)] = false;
            }
        }
        seated_[static_cast<std::size_t>(first)] = false;
    }

    const PairingProblem& problem_;
    std::vector<bool> seated_;
    std::optional<RuleFigures> best_;
};

} // namespace corvane::testing

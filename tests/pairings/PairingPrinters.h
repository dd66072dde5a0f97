#pragma once
// Rule figures and tables in test failures as a person reads them.
#include "pairings/PairingProblem.h"
#include "pairings/PairingWeights.h"

#include <ostream>

namespace corvane {

inline void PrintTo(const RuleFigures& f, std::ostream* out) {
    *out << "repeats " << f.repeats << ", gaps " << f.gapSum << ", bye place " << f.byePlace;
}

inline void PrintTo(const Table& t, std::ostream* out) {
    *out << t.team1 << " v " << t.team2 << (t.repeat ? " (repeat)" : "");
}

} // namespace corvane

#pragma once
// Rule figures and tables in test failures as a person reads them.
#include "pairings/PairingProblem.h"
#include "pairings/PairingWeights.h"
#include "pairings/Seating.h"

#include <ostream>

namespace corvane {

inline void PrintTo(const RuleFigures& f, std::ostream* out) {
    *out << "repeats " << f.repeats << ", gaps " << f.gapSum << ", bye place " << f.byePlace;
}

inline void PrintTo(const Table& t, std::ostream* out) {
    *out << t.team1 << " v " << t.team2 << (t.repeat ? " (repeat)" : "");
}

inline void PrintTo(const SeatingRow& r, std::ostream* out) {
    *out << "round " << r.round << " table " << r.table << ": " << r.team1 << " v " << r.team2
         << (r.repeat ? " (repeat)" : "");
}

} // namespace corvane

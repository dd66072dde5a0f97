#pragma once
// Colours the edges of a simple graph so that no two edges at a node share a
// colour, with at most one colour more than the largest degree (Vizing's bound,
// reached by Misra and Gries' fan-and-path recolouring), and then tries to
// empty one colour class so the largest degree suffices.
// Each edge costs its fan (at most the degree, each step a scan of the colour
// bits) and one path (at most the node count); the attempt to drop a class is
// held to the size of the colour table. Paths are short in practice: 2,000
// teams halfway through a round robin take about a second.
#include "pairings/PairingProblem.h"

#include <cstdint>
#include <span>
#include <vector>

namespace corvane {

// The edges split into classes, no node twice in a class: one class per colour
// offered, the largest degree + 1 (none without edges); a class may be empty.
// Each class lists its pairs {a < b} by a. `edges` join distinct nodes below
// nodeCount, no pair twice.
std::vector<std::vector<TeamPair>> colourClasses(int nodeCount, std::span<const TeamPair> edges);

// The most memory colourClasses takes for `edgeCount` edges whose largest
// degree is `maxDegree`, the classes it returns included: a caller can refuse
// a graph too large before anything is allocated.
std::uint64_t colourClassesBytes(int nodeCount, std::uint64_t edgeCount, int maxDegree);

} // namespace corvane

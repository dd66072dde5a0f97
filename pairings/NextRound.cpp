#include "pairings/NextRound.h"

#include "pairings/PerfectMatching.h"

#include <algorithm>
#include <cstdint>
#include <unordered_set>

namespace corvane {

namespace {

constexpr int kDefaultNearestUnmet = 3;
// Edges the optimality check may bring in at once, per node of the graph: the
// worst offenders first, so a poor start does not turn into the whole graph.
constexpr std::size_t kAddedPerNode = 2;

// The graph the matching runs on: teams, one extra node for the bye when the
// count is odd, and a growing subset of all pairs. Weights are the largest cost
// less the pair's cost, so the heaviest perfect matching is the cheapest round.
class CandidateGraph {
public:
    CandidateGraph(const PairingProblem& problem, const PairingCosts& costs)
        : problem_(problem), costs_(costs), teams_(problem.teamCount()),
          nodes_(teams_ + teams_ % 2) {}

    int nodeCount() const { return nodes_; }
    const std::vector<WeightedEdge>& edges() const { return edges_; }
    bool has(int u, int v) const { return keys_.contains(key(u, v)); }

    std::int64_t weight(int u, int v, bool repeat) const {
        const std::int64_t cost = v == teams_ ? costs_.byeCost(u) : costs_.pairCost(u, v, repeat);
        return costs_.maxCost() - cost;
    }

    void add(int u, int v) {
        if (keys_.insert(key(u, v)).second) {
            edges_.push_back({u, v, weight(u, v, v < teams_ && problem_.met(u, v))});
        }
    }

    // Enough to make a perfect matching certain (neighbours by place, and the
    // bye for every team), plus the pairs most likely to be in the best one.
    void seed(int nearestUnmet) {
        for (int t = 0; t + 1 < teams_; ++t) {
            add(t, t + 1);
        }
        for (int t = 0; t < teams_; ++t) {
            addNearestUnmet(t, +1, nearestUnmet);
            addNearestUnmet(t, -1, nearestUnmet);
            if (nodes_ > teams_) {
                add(t, teams_);
            }
        }
    }

    void addAll() {
        for (int u = 0; u < nodes_; ++u) {
            for (int v = u + 1; v < nodes_; ++v) {
                add(u, v);
            }
        }
    }

private:
    std::uint64_t key(int u, int v) const {
        const auto low = static_cast<std::uint64_t>(std::min(u, v));
        const auto high = static_cast<std::uint64_t>(std::max(u, v));
        return low * static_cast<std::uint64_t>(nodes_) + high;
    }

    void addNearestUnmet(int team, int step, int wanted) {
        for (int other = team + step; wanted > 0 && other >= 0 && other < teams_; other += step) {
            if (!problem_.met(team, other)) {
                add(std::min(team, other), std::max(team, other));
                --wanted;
            }
        }
    }

    const PairingProblem& problem_;
    const PairingCosts& costs_;
    int teams_;
    int nodes_;
    std::vector<WeightedEdge> edges_;
    std::unordered_set<std::uint64_t> keys_;
};

struct Violation {
    std::int64_t slack;
    int u;
    int v;
};

// Every pair of teams the graph lacks whose edge breaks the matching's duals.
// None means the duals bound every perfect matching of the complete graph, so
// the matching is optimal there too (linear programming duality).
std::vector<Violation> violations(const PairingProblem& problem, const CandidateGraph& graph,
                                  const MatchingDual& dual) {
    std::vector<Violation> found;
    for (int u = 0; u < problem.teamCount(); ++u) {
        const auto met = problem.opponentsMet(u);
        auto nextMet = std::upper_bound(met.begin(), met.end(), u);
        for (int v = u + 1; v < problem.teamCount(); ++v) {
            const bool repeat = nextMet != met.end() && *nextMet == v;
            nextMet += repeat ? 1 : 0;
            const std::int64_t slack = dual.slack(u, v, graph.weight(u, v, repeat));
            if (slack < 0) {
                found.push_back({slack, u, v});
            }
        }
    }
    return found;
}

// The optimal perfect matching of the complete graph, found on as few edges as
// the duals allow.
std::vector<int> bestMatching(const PairingProblem& problem, const PairingCosts& costs,
                              int nearestUnmet) {
    CandidateGraph graph(problem, costs);
    graph.seed(nearestUnmet);
    for (;;) {
        auto matching = MatchingSolver::solve(graph.nodeCount(), graph.edges());
        // The seed always holds a perfect matching; the rest guards against
        // duals that do not prove what they should, by settling it on all pairs.
        const bool sound =
            matching && matching->dual.value() == MatchingDual::kScale * matching->weight;
        auto broken = sound ? violations(problem, graph, matching->dual) : std::vector<Violation>{};
        const bool known = std::any_of(broken.begin(), broken.end(),
                                       [&](const Violation& b) { return graph.has(b.u, b.v); });
        if (!sound || known) {
            graph.addAll();
            return MatchingSolver::solve(graph.nodeCount(), graph.edges()).value().mate;
        }
        if (broken.empty()) {
            return matching->mate;
        }
        const std::size_t keep =
            std::min(broken.size(), kAddedPerNode * static_cast<std::size_t>(graph.nodeCount()));
        std::partial_sort(broken.begin(), broken.begin() + static_cast<std::ptrdiff_t>(keep),
                          broken.end(),
                          [](const Violation& a, const Violation& b) { return a.slack < b.slack; });
        for (std::size_t i = 0; i < keep; ++i) {
            graph.add(broken[i].u, broken[i].v);
        }
    }
}

} // namespace

RoundProposal proposeNextRound(const PairingProblem& problem) {
    return proposeNextRound(problem, kDefaultNearestUnmet);
}

RoundProposal proposeNextRound(const PairingProblem& problem, int nearestUnmet) {
    RoundProposal proposal;
    const int teams = problem.teamCount();
    if (teams == 0) {
        return proposal;
    }
    const PairingCosts costs(teams);
    const std::vector<int> mate = bestMatching(problem, costs, nearestUnmet);
    for (int t = 0; t < teams; ++t) {
        const int other = mate[static_cast<std::size_t>(t)];
        if (other == teams) {
            proposal.bye = t;
        } else if (t < other) {
            proposal.tables.push_back({t, other, problem.met(t, other)});
        }
    }
    // Teams are visited in place order, so the tables already are.
    proposal.figures = figuresOf(problem, proposal.tables, proposal.bye);
    return proposal;
}

RuleFigures figuresOf(const PairingProblem& problem, const std::vector<Table>& tables,
                      std::optional<int> bye) {
    RuleFigures figures;
    for (const Table& table : tables) {
        figures.repeats += problem.met(table.team1, table.team2) ? 1 : 0;
        figures.gapSum +=
            table.team1 < table.team2 ? table.team2 - table.team1 : table.team1 - table.team2;
    }
    figures.byePlace = bye ? *bye + 1 : 0;
    return figures;
}

} // namespace corvane

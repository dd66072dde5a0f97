#include "pairings/PerfectMatching.h"

#include <lemon/matching.h>
#include <lemon/smart_graph.h>

namespace corvane {

std::int64_t MatchingDual::slack(int u, int v, std::int64_t weight) const {
    return nodeValue_[static_cast<std::size_t>(u)] + nodeValue_[static_cast<std::size_t>(v)] +
           blossomSum(u, v) - kScale * weight;
}

std::int64_t MatchingDual::blossomSum(int u, int v) const {
    // Blossoms are nested, so those holding both nodes are the outermost ends of
    // the two chains, as far as the chains agree.
    const auto uBegin = chainStart_[static_cast<std::size_t>(u)];
    const auto vBegin = chainStart_[static_cast<std::size_t>(v)];
    auto uEnd = chainStart_[static_cast<std::size_t>(u) + 1];
    auto vEnd = chainStart_[static_cast<std::size_t>(v) + 1];
    std::int64_t sum = 0;
    while (uEnd > uBegin && vEnd > vBegin && chain_[uEnd - 1] == chain_[vEnd - 1]) {
        sum += blossomValue_[static_cast<std::size_t>(chain_[uEnd - 1])];
        --uEnd;
        --vEnd;
    }
    return sum;
}

std::optional<PerfectMatching> MatchingSolver::solve(int nodeCount,
                                                     const std::vector<WeightedEdge>& edges) {
    using Graph = lemon::SmartGraph;
    using Weights = Graph::EdgeMap<std::int64_t>;
    Graph graph;
    graph.reserveNode(nodeCount);
    graph.reserveEdge(static_cast<int>(edges.size()));
    std::vector<Graph::Node> nodes;
    nodes.reserve(static_cast<std::size_t>(nodeCount));
    for (int i = 0; i < nodeCount; ++i) {
        nodes.push_back(graph.addNode());
    }
    Weights weights(graph);
    for (const WeightedEdge& edge : edges) {
        const auto added = graph.addEdge(nodes[static_cast<std::size_t>(edge.u)],
                                         nodes[static_cast<std::size_t>(edge.v)]);
        weights[added] = edge.weight;
    }
    lemon::MaxWeightedPerfectMatching<Graph, Weights> matching(graph, weights);
    static_assert(decltype(matching)::dualScale == MatchingDual::kScale);
    if (!matching.run()) {
        return std::nullopt;
    }

    PerfectMatching result;
    result.mate.resize(static_cast<std::size_t>(nodeCount));
    MatchingDual& dual = result.dual;
    dual.nodeValue_.resize(static_cast<std::size_t>(nodeCount));
    for (int i = 0; i < nodeCount; ++i) {
        const auto node = nodes[static_cast<std::size_t>(i)];
        result.mate[static_cast<std::size_t>(i)] = graph.id(matching.mate(node));
        dual.nodeValue_[static_cast<std::size_t>(i)] = matching.nodeValue(node);
    }
    result.weight = matching.matchingWeight();
    dual.value_ = matching.dualValue();

    // Inner blossoms are listed before the blossoms around them, so each node's
    // chain comes out innermost first.
    const int blossoms = matching.blossomNum();
    std::vector<std::vector<int>> holding(static_cast<std::size_t>(nodeCount));
    for (int b = 0; b < blossoms; ++b) {
        dual.blossomValue_.push_back(matching.blossomValue(b));
        for (decltype(matching)::BlossomIt it(matching, b); it != lemon::INVALID; ++it) {
            holding[static_cast<std::size_t>(graph.id(it))].push_back(b);
        }
    }
    dual.chainStart_.push_back(0);
    for (const auto& list : holding) {
        dual.chain_.insert(dual.chain_.end(), list.begin(), list.end());
        dual.chainStart_.push_back(dual.chain_.size());
    }
    return result;
}

} // namespace corvane

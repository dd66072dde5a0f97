#pragma once
// A maximum-weight perfect matching, and the proof of its optimality that comes
// with it, so that edges left out of the graph can be checked afterwards.
// Also compiled as C++17 (see CMakeLists.txt), so only C++17 here.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace corvane {

struct WeightedEdge {
    int u = 0;
    int v = 0;
    std::int64_t weight = 0;
};

// The dual solution of the matching: a node potential for every node and a
// value for each odd set of nodes (blossom); the sets are nested or disjoint.
class MatchingDual {
public:
    // How far the edge u-v with this weight is from breaking the duals' bound,
    // in the duals' scale (four times the weights). Negative means that adding
    // the edge could improve the matching.
    std::int64_t slack(int u, int v, std::int64_t weight) const;
    std::int64_t value() const { return value_; }
    static constexpr std::int64_t kScale = 4;

private:
    friend class MatchingSolver;
    std::int64_t blossomSum(int u, int v) const;

    std::vector<std::int64_t> nodeValue_;
    std::vector<std::int64_t> blossomValue_;
    // For each node the blossoms holding it, innermost first (offsets per node).
    std::vector<std::size_t> chainStart_;
    std::vector<int> chain_;
    std::int64_t value_ = 0;
};

struct PerfectMatching {
    std::vector<int> mate; // mate[node] is the node it is matched with
    std::int64_t weight = 0;
    MatchingDual dual;
};

class MatchingSolver {
public:
    // The perfect matching of greatest total weight over `edges` (no edge twice),
    // or nothing when the graph has no perfect matching.
    [[nodiscard]] static std::optional<PerfectMatching>
    solve(int nodeCount, const std::vector<WeightedEdge>& edges);
};

} // namespace corvane

#include "pairings/EdgeColouring.h"

#include "pairings/ColourDrop.h"
#include "pairings/ColourTable.h"

#include <algorithm>
#include <cstdint>

namespace corvane {

namespace {

constexpr int kNone = ColourTable::kNone;
// Classes tried for removal once everything is coloured.
constexpr int kDropAttempts = 3;

class Colourer {
public:
    Colourer(int nodeCount, int colours) : table_(nodeCount, colours), stamp_(nodeCount, 0) {}

    ColourTable& table() { return table_; }

    // Colours the uncoloured edge x-y, recolouring others as needed.
    void colour(int x, int y) {
        buildFan(x, y);
        const int c = table_.nextFreeColour(x, 0);
        const int d = table_.nextFreeColour(fan_.back(), 0);
        if (c != d) {
            // x's d edge, if any, turns c; no other fan edge changes.
            table_.flipPath(x, c, d);
            otherColour_ = c;
        }
        // The proof guarantees a fan vertex free of d whose fan prefix survived
        // the inversion; the first one will do.
        std::size_t w = 0;
        while (!table_.isFree(fan_[w], d)) {
            ++w;
        }
        for (std::size_t i = 0; i < w; ++i) {
            const int colour = fanColour(x, i + 1);
            table_.clear(x, fan_[i + 1], colour);
            table_.set(x, fan_[i], colour);
        }
        table_.set(x, fan_[w], d);
    }

private:
    // A maximal fan of x from y: each next neighbour of x is the one across the
    // lowest colour free at the previous fan vertex.
    void buildFan(int x, int y) {
        ++round_;
        fan_.assign(1, y);
        fanColours_.assign(1, kNone);
        stamp_[static_cast<std::size_t>(y)] = round_;
        for (;;) {
            const int d = table_.nextFreeColour(fan_.back(), 0);
            const int next = table_.across(x, d);
            if (next == kNone || stamp_[static_cast<std::size_t>(next)] == round_) {
                return;
            }
            stamp_[static_cast<std::size_t>(next)] = round_;
            fan_.push_back(next);
            fanColours_.push_back(d);
        }
    }

    // The current colour of x's edge to fan_[i]; only the inversion changes
    // one of them, and only from d to c.
    int fanColour(int x, std::size_t i) const {
        const int recorded = fanColours_[i];
        return table_.across(x, recorded) == fan_[i] ? recorded : otherColour_;
    }

    ColourTable table_;
    std::vector<int> stamp_;
    int round_ = 0;
    std::vector<int> fan_;
    std::vector<int> fanColours_;
    int otherColour_ = kNone;
};

} // namespace

std::vector<std::vector<TeamPair>> colourClasses(int nodeCount, std::span<const TeamPair> edges) {
    std::vector<int> degree(static_cast<std::size_t>(nodeCount), 0);
    for (const TeamPair& edge : edges) {
        ++degree[static_cast<std::size_t>(edge.a)];
        ++degree[static_cast<std::size_t>(edge.b)];
    }
    if (edges.empty()) {
        return {};
    }
    const int colours = *std::max_element(degree.begin(), degree.end()) + 1;
    Colourer colourer(nodeCount, colours);
    for (const TeamPair& edge : edges) {
        colourer.colour(edge.a, edge.b);
    }
    // Vizing's bound may be one class more than needed; try to empty one.
    dropOneClass(colourer.table(), kDropAttempts);
    // Read back node by node, so each class lists its pairs by their lower end.
    std::vector<std::vector<TeamPair>> classes(static_cast<std::size_t>(colours));
    for (int node = 0; node < nodeCount; ++node) {
        for (int colour = 0; colour < colours; ++colour) {
            const int other = colourer.table().across(node, colour);
            if (other > node) {
                classes[static_cast<std::size_t>(colour)].push_back({node, other});
            }
        }
    }
    return classes;
}

std::uint64_t colourClassesBytes(int nodeCount, std::uint64_t edgeCount, int maxDegree) {
    const int colours = maxDegree + 1;
    const auto nodes = static_cast<std::uint64_t>(nodeCount);
    // The table, and its trial copy while a class is being emptied.
    constexpr std::uint64_t tablesAtOnce = 2;
    // Degrees, the fan's stamps and the fan itself, per node.
    constexpr std::uint64_t nodeArrays = 4;
    return tablesAtOnce * ColourTable::bytesFor(nodeCount, colours) +
           nodeArrays * nodes * sizeof(int) + edgeCount * sizeof(TeamPair) +
           static_cast<std::uint64_t>(colours) * sizeof(std::vector<TeamPair>);
}

} // namespace corvane

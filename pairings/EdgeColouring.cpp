#include "pairings/EdgeColouring.h"

#include <algorithm>
#include <bit>
#include <cstdint>

namespace corvane {

namespace {

constexpr int kNone = -1;
constexpr int kWordBits = 64;

// Who each node meets over each colour, plus a bit per colour in use, so that
// "is c free here", "who is across c" and "some free colour" are all quick.
class ColourTable {
public:
    ColourTable(int nodeCount, int colours)
        : colours_(colours), words_((colours + kWordBits - 1) / kWordBits),
          across_(static_cast<std::size_t>(nodeCount) * static_cast<std::size_t>(colours), kNone),
          used_(static_cast<std::size_t>(nodeCount) * static_cast<std::size_t>(words_), 0) {}

    int across(int node, int colour) const { return across_[slot(node, colour)]; }
    bool isFree(int node, int colour) const { return across(node, colour) == kNone; }

    // The lowest free colour; one always exists, as no node has all colours.
    int freeColour(int node) const {
        const std::uint64_t* words = &used_[static_cast<std::size_t>(node) * words_];
        for (int w = 0;; ++w) {
            if (~words[w] != 0) {
                return w * kWordBits + std::countr_one(words[w]);
            }
        }
    }

    void set(int u, int v, int colour) {
        mark(u, colour, v);
        mark(v, colour, u);
    }
    void clear(int u, int v, int colour) {
        mark(u, colour, kNone);
        mark(v, colour, kNone);
    }

private:
    std::size_t slot(int node, int colour) const {
        return static_cast<std::size_t>(node) * static_cast<std::size_t>(colours_) +
               static_cast<std::size_t>(colour);
    }
    void mark(int node, int colour, int other) {
        across_[slot(node, colour)] = other;
        std::uint64_t& word = used_[static_cast<std::size_t>(node) * words_ +
                                    static_cast<std::size_t>(colour / kWordBits)];
        const std::uint64_t bit = std::uint64_t{1} << (colour % kWordBits);
        word = other == kNone ? word & ~bit : word | bit;
    }

    int colours_;
    std::size_t words_;
    std::vector<int> across_;
    std::vector<std::uint64_t> used_;
};

class Colourer {
public:
    Colourer(int nodeCount, int colours) : table_(nodeCount, colours), stamp_(nodeCount, 0) {}

    const ColourTable& table() const { return table_; }

    // Colours the uncoloured edge x-y, recolouring others as needed.
    void colour(int x, int y) {
        buildFan(x, y);
        const int c = table_.freeColour(x);
        const int d = table_.freeColour(fan_.back());
        if (c != d) {
            invertPath(x, c, d);
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
            const int d = table_.freeColour(fan_.back());
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

    // Swaps c and d along the path of those colours that starts at x (c is free
    // at x, so x is one end of it).
    void invertPath(int x, int c, int d) {
        otherColour_ = c;
        path_.clear();
        int node = x;
        int colour = d;
        for (int next = table_.across(node, colour); next != kNone;
             next = table_.across(node, colour)) {
            path_.push_back({node, next, colour});
            node = next;
            colour = colour == d ? c : d;
        }
        for (const auto& step : path_) {
            table_.clear(step.from, step.to, step.colour);
        }
        for (const auto& step : path_) {
            table_.set(step.from, step.to, step.colour == d ? c : d);
        }
    }

    struct Step {
        int from;
        int to;
        int colour;
    };

    ColourTable table_;
    std::vector<int> stamp_;
    int round_ = 0;
    std::vector<int> fan_;
    std::vector<int> fanColours_;
    std::vector<Step> path_;
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

} // namespace corvane

#pragma once
// The state of an edge colouring under way: who each node meets over each
// colour, plus a bit per colour in use, so that "is c free here", "who is
// across c" and "the next free colour" are all quick. Memory is nodes times
// colours, within the size of the schedule it produces.
#include <bit>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace corvane {

class ColourTable {
public:
    static constexpr int kNone = -1;

    ColourTable(int nodeCount, int colours)
        : nodes_(nodeCount), colours_(colours), words_((colours + kWordBits - 1) / kWordBits),
          across_(static_cast<std::size_t>(nodeCount) * static_cast<std::size_t>(colours), kNone),
          used_(static_cast<std::size_t>(nodeCount) * words_, 0) {}

    // The memory a table of that size takes.
    static std::uint64_t bytesFor(int nodeCount, int colours) {
        const auto nodes = static_cast<std::uint64_t>(nodeCount);
        const auto words = static_cast<std::uint64_t>((colours + kWordBits - 1) / kWordBits);
        return nodes * static_cast<std::uint64_t>(colours) * sizeof(int) +
               nodes * words * sizeof(std::uint64_t);
    }

    int nodeCount() const { return nodes_; }
    int colourCount() const { return colours_; }
    int across(int node, int colour) const { return across_[slot(node, colour)]; }
    bool isFree(int node, int colour) const { return across(node, colour) == kNone; }

    // The lowest free colour from `from` on, or colourCount() if there is none.
    int nextFreeColour(int node, int from) const {
        const std::uint64_t* words = &used_[static_cast<std::size_t>(node) * words_];
        for (int w = from / kWordBits; w < static_cast<int>(words_); ++w) {
            // Colours below `from` count as used for this search.
            const int skip = w == from / kWordBits ? from % kWordBits : 0;
            const std::uint64_t used = words[w] | ((std::uint64_t{1} << skip) - 1);
            if (~used != 0) {
                return std::min(colours_, w * kWordBits + std::countr_one(used));
            }
        }
        return colours_;
    }

    void set(int u, int v, int colour) {
        mark(u, colour, v);
        mark(v, colour, u);
    }
    void clear(int u, int v, int colour) {
        mark(u, colour, kNone);
        mark(v, colour, kNone);
    }

    // Swaps colours c and d along the path of those colours that starts at
    // `start` with its d edge (c is free at start, so it is an end of the
    // path). Returns the path's other end.
    int flipPath(int start, int c, int d) {
        path_.clear();
        int node = start;
        int colour = d;
        for (int next = across(node, colour); next != kNone; next = across(node, colour)) {
            ++steps_;
            path_.push_back({node, next, colour});
            node = next;
            colour = colour == d ? c : d;
        }
        for (const Step& step : path_) {
            clear(step.from, step.to, step.colour);
        }
        for (const Step& step : path_) {
            set(step.from, step.to, step.colour == d ? c : d);
        }
        return node;
    }

    // Edges walked along paths so far, to keep optional work within a budget.
    std::size_t pathSteps() const { return steps_; }

    // The other end of that path, without flipping it.
    int pathEnd(int start, int c, int d) const {
        int node = start;
        int colour = d;
        for (int next = across(node, colour); next != kNone; next = across(node, colour)) {
            ++steps_;
            node = next;
            colour = colour == d ? c : d;
        }
        return node;
    }

private:
    static constexpr int kWordBits = 64;
    struct Step {
        int from;
        int to;
        int colour;
    };

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

    int nodes_;
    int colours_;
    std::size_t words_;
    std::vector<int> across_;
    std::vector<std::uint64_t> used_;
    std::vector<Step> path_;
    mutable std::size_t steps_ = 0;
};

} // namespace corvane

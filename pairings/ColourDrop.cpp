#include "pairings/ColourDrop.h"

#include <algorithm>
#include <numeric>
#include <random>
#include <utility>

namespace corvane {

namespace {

// Free colours tried at each end when looking for a path to swap.
constexpr int kTriesPerEnd = 4;
// Random swaps at one end before an edge is given up, from a fixed seed so the
// same leftovers always give the same schedule.
constexpr int kShakes = 32;
constexpr unsigned kSeed = 20240601u;
// Path steps allowed per attempt, per slot of the table: the attempt then costs
// no more than building the table did.
constexpr std::size_t kStepsPerSlot = 4;

// Gives the uncoloured edge u-v a colour other than `banned`: one free at both
// ends, or else, for a free at u and b free at v, the a-b path from v is
// swapped so that a comes free at v, provided that path does not end at u.
bool recolourByPath(ColourTable& table, int u, int v, int banned) {
    const auto nextFree = [&](int node, int from) {
        const int colour = table.nextFreeColour(node, from);
        return colour == banned ? table.nextFreeColour(node, colour + 1) : colour;
    };
    const int limit = table.colourCount();
    for (int a = nextFree(u, 0); a < limit; a = nextFree(u, a + 1)) {
        if (table.isFree(v, a)) {
            table.set(u, v, a);
            return true;
        }
    }
    int aTries = 0;
    for (int a = nextFree(u, 0); a < limit && aTries < kTriesPerEnd; a = nextFree(u, a + 1)) {
        ++aTries;
        int bTries = 0;
        for (int b = nextFree(v, 0); b < limit && bTries < kTriesPerEnd; b = nextFree(v, b + 1)) {
            ++bTries;
            // u lacks a, so it could only be this path's far end.
            if (table.pathEnd(v, b, a) != u) {
                table.flipPath(v, b, a);
                table.set(u, v, a);
                return true;
            }
        }
    }
    return false;
}

// When u and v close each other's paths, swapping u's free colour with a
// random other one along u's path gives the next try different colours.
bool recolour(ColourTable& table, int u, int v, int banned, std::minstd_rand& random) {
    std::uniform_int_distribution<int> anyColour(0, table.colourCount() - 1);
    for (int shake = 0; shake <= kShakes; ++shake) {
        if (recolourByPath(table, u, v, banned)) {
            return true;
        }
        int a = table.nextFreeColour(u, 0);
        a = a == banned ? table.nextFreeColour(u, a + 1) : a;
        const int other = anyColour(random);
        if (other != a && other != banned) {
            table.flipPath(u, a, other);
        }
    }
    return false;
}

bool emptyClass(ColourTable& table, int colour) {
    std::minstd_rand random(kSeed);
    const std::size_t budget =
        table.pathSteps() + kStepsPerSlot * static_cast<std::size_t>(table.nodeCount()) *
                                static_cast<std::size_t>(table.colourCount());
    for (int u = 0; u < table.nodeCount(); ++u) {
        const int v = table.across(u, colour);
        if (v == ColourTable::kNone) {
            continue;
        }
        table.clear(u, v, colour);
        if (!recolour(table, u, v, colour, random) || table.pathSteps() > budget) {
            return false;
        }
    }
    return true;
}

} // namespace

bool dropOneClass(ColourTable& table, int attempts) {
    std::vector<int> size(static_cast<std::size_t>(table.colourCount()), 0);
    for (int node = 0; node < table.nodeCount(); ++node) {
        for (int colour = 0; colour < table.colourCount(); ++colour) {
            size[static_cast<std::size_t>(colour)] += table.isFree(node, colour) ? 0 : 1;
        }
    }
    if (std::find(size.begin(), size.end(), 0) != size.end()) {
        return false;
    }
    std::vector<int> order(size.size());
    std::iota(order.begin(), order.end(), 0);
    std::sort(order.begin(), order.end(), [&](int a, int b) {
        return std::pair(size[static_cast<std::size_t>(a)], a) <
               std::pair(size[static_cast<std::size_t>(b)], b);
    });
    order.resize(std::min(order.size(), static_cast<std::size_t>(attempts)));
    for (const int colour : order) {
        ColourTable trial = table;
        if (emptyClass(trial, colour)) {
            table = std::move(trial);
            return true;
        }
    }
    return false;
}

} // namespace corvane

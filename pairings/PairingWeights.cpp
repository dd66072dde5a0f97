#include "pairings/PairingWeights.h"

#include <algorithm>
#include <tuple>

namespace corvane {

bool ruleBetter(const RuleFigures& a, const RuleFigures& b) {
    // A bye further down is better, so its place compares the other way round.
    return std::tuple(a.repeats, a.gapSum, -a.byePlace) <
           std::tuple(b.repeats, b.gapSum, -b.byePlace);
}

PairingCosts::PairingCosts(int teamCount)
    : teamCount_(teamCount), gapCost_(std::max(teamCount, 1)),
      repeatCost_((std::int64_t{teamCount} * teamCount / 4 + 1) * gapCost_) {}

std::int64_t PairingCosts::pairCost(int a, int b, bool repeat) const {
    const std::int64_t gap = a < b ? b - a : a - b;
    return (repeat ? repeatCost_ : 0) + gap * gapCost_;
}

std::int64_t PairingCosts::total(const RuleFigures& figures) const {
    const std::int64_t bye = figures.byePlace == 0 ? 0 : byeCost(figures.byePlace - 1);
    return figures.repeats * repeatCost_ + figures.gapSum * gapCost_ + bye;
}

RuleFigures PairingCosts::figures(std::int64_t total) const {
    RuleFigures figures;
    figures.repeats = static_cast<int>(total / repeatCost_);
    const std::int64_t rest = total % repeatCost_;
    figures.gapSum = rest / gapCost_;
    // The bye term is n - place, so with an odd count it gives the place back.
    figures.byePlace = teamCount_ % 2 == 1 ? static_cast<int>(teamCount_ - rest % gapCost_) : 0;
    return figures;
}

} // namespace corvane

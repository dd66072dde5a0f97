#include "pairings/PairingProblem.h"

#include <algorithm>
#include <iterator>

namespace corvane {

bool PairingProblem::met(int a, int b) const {
    if (a < 0 || b < 0 || a >= teamCount_ || b >= teamCount_) {
        return false;
    }
    const auto list = opponentsMet(a);
    return std::binary_search(list.begin(), list.end(), b);
}

std::span<const int> PairingProblem::opponentsMet(int team) const {
    const auto t = static_cast<std::size_t>(team);
    return std::span<const int>(opponents_).subspan(offsets_[t], offsets_[t + 1] - offsets_[t]);
}

std::optional<PairingProblem> makePairingProblem(int teamCount, std::span<const TeamPair> met) {
    if (teamCount < 0 || teamCount > kMaxPairingTeams) {
        return std::nullopt;
    }
    const auto inRange = [teamCount](int t) { return t >= 0 && t < teamCount; };
    for (const TeamPair& pair : met) {
        if (!inRange(pair.a) || !inRange(pair.b) || pair.a == pair.b) {
            return std::nullopt;
        }
    }
    // Both directions of every pair, bucketed by team, then each bucket sorted
    // and freed of duplicates: linear in the pairs given plus a sort per team.
    const auto n = static_cast<std::size_t>(teamCount);
    std::vector<std::size_t> counts(n + 1, 0);
    for (const TeamPair& pair : met) {
        ++counts[static_cast<std::size_t>(pair.a) + 1];
        ++counts[static_cast<std::size_t>(pair.b) + 1];
    }
    for (std::size_t t = 0; t < n; ++t) {
        counts[t + 1] += counts[t];
    }
    std::vector<int> all(counts[n]);
    std::vector<std::size_t> fill(counts.begin(), counts.end() - 1);
    for (const TeamPair& pair : met) {
        all[fill[static_cast<std::size_t>(pair.a)]++] = pair.b;
        all[fill[static_cast<std::size_t>(pair.b)]++] = pair.a;
    }
    PairingProblem problem;
    problem.teamCount_ = teamCount;
    problem.offsets_.assign(n + 1, 0);
    problem.opponents_.reserve(all.size());
    for (std::size_t t = 0; t < n; ++t) {
        const auto begin = all.begin() + static_cast<std::ptrdiff_t>(counts[t]);
        const auto end = all.begin() + static_cast<std::ptrdiff_t>(counts[t + 1]);
        std::sort(begin, end);
        std::unique_copy(begin, end, std::back_inserter(problem.opponents_));
        problem.offsets_[t + 1] = problem.opponents_.size();
    }
    return problem;
}

} // namespace corvane

#pragma once
// What the pairing core is given: how many teams there are, in standings order,
// and which of them have already met. Names are left to the caller.
#include <cstddef>
#include <optional>
#include <span>
#include <vector>

namespace corvane {

// Two teams by index: 0 is the leader, so a team's place is its index + 1.
struct TeamPair {
    int a = 0;
    int b = 0;
};

// One table of a round: team1 is the better placed (lower index) of the two.
struct Table {
    int team1 = 0;
    int team2 = 0;
    bool repeat = false; // the two have met before
    friend bool operator==(const Table&, const Table&) = default;
};

class PairingProblem {
public:
    int teamCount() const { return teamCount_; }
    // True when a game between the two was recorded, either way round.
    bool met(int a, int b) const;
    // The teams `team` has met, in index order, each once.
    std::span<const int> opponentsMet(int team) const;
    std::size_t metPairCount() const { return opponents_.size() / 2; }

private:
    friend std::optional<PairingProblem> makePairingProblem(int, std::span<const TeamPair>);
    PairingProblem() = default;

    int teamCount_ = 0;
    // Each team's opponents, one slice per team (offsets_[t] .. offsets_[t + 1]).
    std::vector<std::size_t> offsets_;
    std::vector<int> opponents_;
};

// The largest field the pairing weights are proven to fit 64-bit integers for.
inline constexpr int kMaxPairingTeams = 20000;

// The problem for `teamCount` teams that met as `met` says (duplicates and either
// order allowed). Nothing when the count is negative or above kMaxPairingTeams,
// or a pair names a team outside 0..teamCount-1 or the same team twice.
[[nodiscard]] std::optional<PairingProblem> makePairingProblem(int teamCount,
                                                               std::span<const TeamPair> met);

} // namespace corvane

#pragma once
// The pairing problem of the store's tournament: its teams in standings order
// and who has met whom, with the names to show the tables by.
#include "pairings/PairingProblem.h"

#include <optional>
#include <string>
#include <vector>

namespace corvane {

class TournamentStore;

struct PairingField {
    // Every team's name exactly as stored, in standings order: index + 1 is its place.
    std::vector<std::string> names;
    // Two teams have met when a game between them was recorded, either way round.
    PairingProblem problem;
};

// The teams in the order the standings would give all of them, teams without
// games included, while the store keeps its own order. A game whose team is
// not found (names compared as the store compares them) meets nobody. Nothing
// when there are more teams than kMaxPairingTeams.
[[nodiscard]] std::optional<PairingField> pairingField(const TournamentStore& store);

} // namespace corvane

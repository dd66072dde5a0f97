#include "pairings/PairingField.h"

#include "reports/Standings.h"
#include "store/TournamentStore.h"

#include <algorithm>
#include <numeric>
#include <unordered_map>

namespace corvane {

std::optional<PairingField> pairingField(const TournamentStore& store) {
    const RecordList<TeamRecord> teams = store.teams();
    if (teams.size() > static_cast<std::size_t>(kMaxPairingTeams)) {
        return std::nullopt;
    }
    std::vector<std::size_t> order(teams.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(), [&teams](std::size_t a, std::size_t b) {
        return standsBefore(teams[a], teams[b]);
    });

    std::vector<std::string> names;
    names.reserve(order.size());
    std::unordered_map<const TeamRecord*, int> placeIndex;
    placeIndex.reserve(order.size());
    for (const std::size_t i : order) {
        placeIndex.emplace(&teams[i], static_cast<int>(names.size()));
        names.push_back(teams[i].teamName);
    }

    // The store finds a game's teams as it does everywhere, so a game written
    // in other letter case still counts for the team it counts for elsewhere.
    const auto indexOf = [&](const std::string& name) {
        const TeamRecord* team = store.findTeam(name);
        const auto found = team ? placeIndex.find(team) : placeIndex.end();
        return found == placeIndex.end() ? -1 : found->second;
    };
    std::vector<TeamPair> met;
    met.reserve(store.games().size());
    for (const GameRecord& game : store.games()) {
        const int a = indexOf(game.team1Name);
        const int b = indexOf(game.team2Name);
        if (a >= 0 && b >= 0 && a != b) {
            met.push_back({a, b});
        }
    }
    std::optional<PairingProblem> problem = makePairingProblem(static_cast<int>(names.size()), met);
    if (!problem) {
        return std::nullopt;
    }
    return PairingField{std::move(names), std::move(*problem)};
}

} // namespace corvane

#include "store/NameCompare.h"
#include "store/TournamentStore.h"

#include <algorithm>

namespace corvane {
namespace {

bool sameTeams(const GameRecord& a, const GameRecord& b) {
    return (namesEqual(a.team1Name, b.team1Name) && namesEqual(a.team2Name, b.team2Name)) ||
           (namesEqual(a.team1Name, b.team2Name) && namesEqual(a.team2Name, b.team1Name));
}

} // namespace

bool TournamentStore::removeGame(std::string_view gameLine) {
    const auto found = std::find_if(games.begin(), games.end(), [&](const auto& game) {
        return namesEqual(formatGameLine(*game), gameLine);
    });
    if (found == games.end()) {
        return false;
    }
    const GameRecord& game = **found;
    // The two stay marked as having played while another game between them remains.
    const bool metAgain = std::any_of(games.begin(), games.end(), [&](const auto& other) {
        return other.get() != &game && sameTeams(*other, game);
    });
    if (!metAgain) {
        if (TeamRecord* first = findTeam(game.team1Name)) {
            first->markOpponentPlayed(game.team2Name, 0);
        }
        if (TeamRecord* second = findTeam(game.team2Name)) {
            second->markOpponentPlayed(game.team1Name, 0);
        }
    }
    removeGameResult(game);
    games.erase(found);
    return true;
}

} // namespace corvane

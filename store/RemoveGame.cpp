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

std::optional<std::size_t> TournamentStore::findGame(std::string_view gameLine) const {
    const auto found = std::find_if(games_.begin(), games_.end(), [&](const auto& game) {
        return namesEqual(formatGameLine(*game), gameLine);
    });
    if (found == games_.end()) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(found - games_.begin());
}

bool TournamentStore::removeGame(std::string_view gameLine) {
    const std::optional<std::size_t> position = findGame(gameLine);
    if (position) {
        removeGameAt(*position);
    }
    return position.has_value();
}

void TournamentStore::removeGameAt(std::size_t position) {
    takeOutGame(position);
    games_.erase(games_.begin() + static_cast<std::ptrdiff_t>(position));
    gameHashes_.erase(position);
}

void TournamentStore::insertGameAt(std::size_t position, GameRecord game) {
    position = std::min(position, games_.size());
    games_.insert(games_.begin() + static_cast<std::ptrdiff_t>(position),
                  std::make_unique<GameRecord>(std::move(game)));
    gameHashes_.insert(position, hashesOf(*games_[position]));
    applyStoredGame(*games_[position]);
}

void TournamentStore::replaceGameAt(std::size_t position, GameRecord game) {
    takeOutGame(position);
    *games_.at(position) = std::move(game);
    gameHashes_.replace(position, hashesOf(*games_[position]));
    applyStoredGame(*games_[position]);
}

void TournamentStore::takeOutGame(std::size_t position) {
    const GameRecord& game = *games_.at(position);
    // The two stay marked as having played while another game between them remains.
    const bool metAgain = std::any_of(games_.begin(), games_.end(), [&](const auto& other) {
        return other.get() != &game && sameTeams(*other, game);
    });
    if (!metAgain) {
        if (TeamRecord* first = findTeamMutable(game.team1Name)) {
            markOpponentPlayed(*first, game.team2Name, 0);
        }
        if (TeamRecord* second = findTeamMutable(game.team2Name)) {
            markOpponentPlayed(*second, game.team1Name, 0);
        }
    }
    removeGameResult(game);
}

} // namespace corvane

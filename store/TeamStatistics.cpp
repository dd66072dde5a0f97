#include "store/NameCompare.h"
#include "store/TournamentStore.h"

#include <algorithm>

namespace corvane {
namespace {

// Counters wrap like the 32-bit integers they are, without the undefined
// behaviour of signed overflow; sums are 64-bit and never wrap.
std::int32_t plus(std::int32_t a, std::int32_t b) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) + static_cast<std::uint32_t>(b));
}
std::int32_t minus(std::int32_t a, std::int32_t b) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) - static_cast<std::uint32_t>(b));
}

// One team's view of a game.
struct Side {
    std::string_view name;
    std::int32_t own;
    std::int32_t opponent;
    std::int32_t ownFlags;
    std::int32_t opponentFlags;
};

Side firstSide(const GameRecord& g) {
    return {g.team1Name, g.team1Score, g.team2Score, g.team1Flags, g.team2Flags};
}
Side secondSide(const GameRecord& g) {
    return {g.team2Name, g.team2Score, g.team1Score, g.team2Flags, g.team1Flags};
}

void updateDerived(TeamRecord& team) {
    if (team.gamesPlayed <= 0) {
        team.winLossDifference = 0;
        team.winRatio = team.averageScore = team.averageOpponentScore = team.averageMargin = 0.0f;
        return;
    }
    const double played = team.gamesPlayed;
    team.winLossDifference = minus(team.wins, team.losses);
    team.averageMargin =
        static_cast<float>(static_cast<double>(team.pointsFor - team.pointsAgainst) / played);
    team.averageOpponentScore =
        static_cast<float>(static_cast<double>(team.pointsAgainst) / played);
    team.averageScore = static_cast<float>(static_cast<double>(team.pointsFor) / played);
    team.winRatio = static_cast<float>(team.wins / played);
}

void addSide(TeamRecord& team, const Side& side) {
    team.flagsGiven += side.ownFlags;
    team.flagged += side.opponentFlags;
    // No games means no score yet, whatever the high score says: a first 0 counts.
    const bool firstScore = team.gamesPlayed <= 0;
    team.gamesPlayed = plus(team.gamesPlayed, 1);
    if (firstScore) {
        team.highScore = team.lowScore = side.own;
        team.previousHighScore = team.previousLowScore = side.own;
    } else {
        if (side.own > team.highScore) {
            team.previousHighScore = team.highScore;
            team.highScore = side.own;
        }
        if (side.own < team.lowScore) {
            team.previousLowScore = team.lowScore;
            team.lowScore = side.own;
        }
    }
    if (side.own > side.opponent) {
        team.wins = plus(team.wins, 1);
    } else if (side.own < side.opponent) {
        team.losses = plus(team.losses, 1);
    }
    team.pointsAgainst += side.opponent;
    team.pointsFor += side.own;
    updateDerived(team);
}

void subtractSide(TeamRecord& team, const Side& side) {
    team.flagsGiven -= side.ownFlags;
    team.flagged -= side.opponentFlags;
    team.gamesPlayed = minus(team.gamesPlayed, 1);
    if (side.own > side.opponent) {
        team.wins = minus(team.wins, 1);
    } else if (side.own < side.opponent) {
        team.losses = minus(team.losses, 1);
    }
    team.pointsAgainst -= side.opponent;
    team.pointsFor -= side.own;
    updateDerived(team);
}

struct ScoreRange {
    bool any = false;
    std::int32_t high = 0;
    std::int32_t low = 0;

    void take(std::int32_t score) {
        high = any ? std::max(high, score) : score;
        low = any ? std::min(low, score) : score;
        any = true;
    }
};

// The team's own scores in every game but `leftOut` that names it.
ScoreRange remainingScores(const std::vector<std::unique_ptr<GameRecord>>& games,
                           std::string_view name, const GameRecord* leftOut) {
    ScoreRange range;
    for (const auto& game : games) {
        if (game.get() == leftOut) {
            continue;
        }
        if (namesEqual(game->team1Name, name)) {
            range.take(game->team1Score);
        }
        if (namesEqual(game->team2Name, name)) {
            range.take(game->team2Score);
        }
    }
    return range;
}

// The stored game `game` stands for: itself, or the first equal one when it is a copy.
const GameRecord* storedGame(const std::vector<std::unique_ptr<GameRecord>>& games,
                             const GameRecord& game) {
    for (const auto& stored : games) {
        if (stored.get() == &game) {
            return stored.get();
        }
    }
    for (const auto& stored : games) {
        const GameRecord& s = *stored;
        if (s.team1Name == game.team1Name && s.team2Name == game.team2Name &&
            s.team1Score == game.team1Score && s.team2Score == game.team2Score &&
            s.team1Flags == game.team1Flags && s.team2Flags == game.team2Flags) {
            return stored.get();
        }
    }
    return nullptr;
}

} // namespace

void TournamentStore::applyGameResult(const GameRecord& game) {
    applyToTeams(game, findTeamMutable(game.team1Name), findTeamMutable(game.team2Name));
}

void TournamentStore::applyToTeams(const GameRecord& game, TeamRecord* first, TeamRecord* second) {
    if (first != nullptr) {
        addSide(*first, firstSide(game));
    }
    if (second != nullptr) {
        addSide(*second, secondSide(game));
    }
}

void TournamentStore::removeGameResult(const GameRecord& game) {
    const GameRecord* leftOut = storedGame(games_, game);
    for (const Side& side : {firstSide(game), secondSide(game)}) {
        TeamRecord* team = findTeamMutable(side.name);
        if (team == nullptr) {
            continue;
        }
        subtractSide(*team, side);
        // High and low are taken from the games that remain, so they stay true
        // however many games are removed, and in whatever order.
        const ScoreRange range =
            team->gamesPlayed > 0 ? remainingScores(games_, side.name, leftOut) : ScoreRange{};
        if (range.any || team->gamesPlayed <= 0) {
            team->highScore = range.high;
            team->lowScore = range.low;
        } else {
            // Games applied without being stored: the best we know is the last raise.
            if (side.own == team->highScore) {
                team->highScore = team->previousHighScore;
            }
            if (side.own == team->lowScore) {
                team->lowScore = team->previousLowScore;
            }
        }
    }
}

} // namespace corvane

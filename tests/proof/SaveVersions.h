#pragma once
// The tournament the save loop grows, one step at a time: version n of each
// file is a function of n alone, so whoever finds a file can tell whether it
// is one complete version the loop wrote.
#include "store/TournamentStore.h"

#include <cstddef>
#include <string>

namespace corvane::proof {

// Long names, so a save takes long enough to be caught in the middle.
inline std::string playerName(std::size_t i) {
    return "Player " + std::to_string(i) + " " + std::string(120, static_cast<char>('a' + i % 26));
}
inline std::string teamName(std::size_t j) {
    return playerName(2 * j) + " & " + playerName(2 * j + 1);
}

// Game g: the first two teams, taking turns to be Team 1.
inline GameRecord gameNumber(std::size_t g) {
    GameRecord game;
    game.team1Name = teamName(g % 2);
    game.team2Name = teamName((g + 1) % 2);
    game.team1Score = static_cast<std::int32_t>(g * 7 % 1801);
    game.team2Score = static_cast<std::int32_t>(g * 13 % 1801);
    game.team1Flags = static_cast<std::int32_t>(g % 5);
    return game;
}

// Grows `store` by one step, as an organiser would: a player, a team once
// there are two free players, a game once there are two teams.
inline void growOneStep(TournamentStore& store) {
    store.appendPlayer(playerName(store.players.size()));
    if (store.players.size() >= 2 * (store.teams.size() + 1)) {
        auto team = std::make_unique<TeamRecord>();
        team->firstPlayer = playerName(2 * store.teams.size());
        team->secondPlayer = playerName(2 * store.teams.size() + 1);
        team->teamName = teamName(store.teams.size());
        store.appendTeam(std::move(team));
    }
    if (store.teams.size() >= 2) {
        store.appendGame(std::make_unique<GameRecord>(gameNumber(store.games.size())));
        store.applyGameResult(*store.games.back());
    }
}

// The exact bytes of a file the loop can have written, from its record count.
inline std::string playersVersion(std::size_t n) {
    std::string text;
    for (std::size_t i = 0; i < n; ++i) {
        text += "PLAYER " + playerName(i) + "\n";
    }
    return text;
}
inline std::string teamsVersion(std::size_t m) {
    std::string text;
    for (std::size_t j = 0; j < m; ++j) {
        text += "TEAM " + teamName(j) + "\n";
    }
    return text;
}
inline std::string gamesVersion(std::size_t count) {
    std::string text;
    for (std::size_t g = 0; g < count; ++g) {
        const GameRecord game = gameNumber(g);
        text += "GAME\n{\n   TEAM1_NAME " + game.team1Name + "\n   TEAM1_SCORE " +
                std::to_string(game.team1Score) + "\n   TEAM1_FLAGS " +
                std::to_string(game.team1Flags) + "\n   TEAM2_NAME " + game.team2Name +
                "\n   TEAM2_SCORE " + std::to_string(game.team2Score) + "\n   TEAM2_FLAGS " +
                std::to_string(game.team2Flags) + "\n}\n";
    }
    return text;
}
inline std::string tournamentDatVersion(std::size_t games) {
    return "TOURNAMENT " + std::to_string(games + 1) + "\n";
}

} // namespace corvane::proof

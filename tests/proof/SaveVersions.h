#pragma once
// The tournament the save loop grows: record i of each file depends on i alone,
// so whoever finds the files can tell the records the loop wrote.
#include "store/TournamentStore.h"

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
    const auto n = static_cast<std::int32_t>(g);
    return {n * 7 % 1801, n * 13 % 1801, n % 5, 0, teamName(g % 2), teamName((g + 1) % 2)};
}

} // namespace corvane::proof

#pragma once
// `/standings`: the leader board for anyone in the room, readable on a phone.
// The page asks for the board's rows every second and shows them when they
// changed, so it follows every change within two seconds.
#include "store/TournamentStore.h"

#include <string>

namespace corvane::tables {

// The rows of the board, in standings order, every name escaped.
std::string boardRows(const TournamentStore& store);

// The page around the rows.
std::string standingsPage(const std::string& rows);

// How often the page asks for the rows.
inline constexpr int standingsPollMilliseconds = 1000;

} // namespace corvane::tables

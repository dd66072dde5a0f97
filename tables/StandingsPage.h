#pragma once
// `/standings`: the leader board for anyone in the room, readable on a phone.
// The page listens to a stream of server-sent events that carries the rows
// after every change; a browser without them, or a refused or broken stream,
// asks for the rows every second instead. Either way the page follows every
// change within two seconds.
#include "store/TournamentStore.h"

#include <string>
#include <string_view>

namespace corvane::tables {

// The rows of the board, in standings order, every name escaped.
std::string boardRows(const TournamentStore& store);

// The page around the rows.
std::string standingsPage(const std::string& rows);

// The stream's path, and one event of it: the rows, a "data:" field per line.
inline constexpr std::string_view standingsEventsPath = "/standings/events";
std::string boardEvent(const std::string& rows);

// How often the page asks for the rows without the stream.
inline constexpr int standingsPollMilliseconds = 1000;

} // namespace corvane::tables

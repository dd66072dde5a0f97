#pragma once
// File names of the pages in the tournament folder.
#include "store/Records.h"

#include <string>
#include <string_view>
#include <vector>

namespace corvane {

inline constexpr std::string_view leaderBoardFileName = "tournament.html";
// The round sheets: the next round's tables and the schedule of the pairs still to meet.
inline constexpr std::string_view nextRoundFileName = "next-round.html";
inline constexpr std::string_view scheduleFileName = "schedule.html";

// The longest stem a team page name keeps, in bytes: with a collision suffix
// and ".html" the name stays well inside the 255 bytes file systems take.
inline constexpr std::size_t maxPageStemBytes = 200;

// The page name a team asks for: firstPlayer + secondPlayer + ".html" when that
// is a plain file name on every system, otherwise the same with what cannot
// stand in a file name replaced by "_" and the length bounded. Never a path.
std::string teamPageName(const TeamRecord& team);

// The page name of every team, in the order of `teams`: each its teamPageName,
// except that a name already taken (ignoring letter case, since some file
// systems do), including by the leader board and the round sheets, gets the
// first free suffix "-2", "-3", ... Names are taken in the order of the exact
// team names, so the same teams get the same names in any order.
std::vector<std::string> uniqueTeamPageNames(RecordList<TeamRecord> teams);

// The same names, taken from the last call on this thread when the same teams
// (names and players) come again in another order, as after a result: the
// standings move, the names do not.
std::vector<std::string> rememberedTeamPageNames(RecordList<TeamRecord> teams);

} // namespace corvane

#pragma once
// The leader board page: the numbered standings and the teams without games.
#include "store/Records.h"

#include <string>
#include <vector>

namespace corvane {

// Appends the whole leader board for `teams` in their present order;
// pageNames[i] is the page file of teams[i].
void appendLeaderBoard(std::string& out, RecordList<TeamRecord> teams,
                       const std::vector<std::string>& pageNames);

} // namespace corvane

#pragma once
// The leader board page: the numbered standings and the teams without games.
#include "store/Records.h"

#include <memory>
#include <string>
#include <vector>

namespace corvane {

// Appends the whole leader board for `teams` in their present order;
// pageNames[i] is the page file of teams[i].
void appendLeaderBoard(std::string& out, const std::vector<std::unique_ptr<TeamRecord>>& teams,
                       const std::vector<std::string>& pageNames);

} // namespace corvane

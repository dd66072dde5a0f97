#pragma once
// The head shared by the leader board and the team pages, up to the banner.
#include <string>

namespace corvane {

enum class PageKind { leaderBoard, teamPage };

void appendPageHead(std::string& out, PageKind kind);

} // namespace corvane

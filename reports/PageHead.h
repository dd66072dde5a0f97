#pragma once
// The head shared by the leader board and the team pages, up to the banner.
#include <string>
#include <string_view>

namespace corvane {

class PageText;

// Team pages add one style, round sheets those of their score tables.
enum class PageKind { leaderBoard, teamPage, roundSheet };

void appendPageHead(std::string& out, PageKind kind);

// The block under the banner: "Tournament Results" over the page's own title.
void appendTitleBlock(PageText& page, std::string_view title);

} // namespace corvane

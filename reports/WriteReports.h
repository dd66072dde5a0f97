#pragma once
// Publishing: the standings order, the leader board and one page per team.
#include "store/SaveResult.h"
#include "store/TournamentStore.h"

#include <span>
#include <string>
#include <vector>

namespace corvane {

// The list of the team pages written last, beside them.
inline constexpr std::string_view publishedPagesFileName = ".published-pages";

struct ReportOutcome {
    std::vector<std::string> written; // paths of the pages written (or already current)
    std::vector<SaveResult> failures; // pages that could not be written, and why
    bool ok() const { return failures.empty(); }
};

// Sorts store.teams into standings order (the order stays) and rewrites
// tournament.html and every team page in the tournament folder, the leader
// board first, then the teams in standings order. A page that cannot be
// written keeps its old content and is listed in `failures`; the others are
// still written. Without teams nothing is written.
[[nodiscard]] ReportOutcome writeReports(TournamentStore& store);

// The same after a change that touched only `teams` (a game saved, deleted or
// corrected): the standings order, the leader board and those teams' pages;
// the other pages are as they were.
[[nodiscard]] ReportOutcome writeReportsOf(TournamentStore& store,
                                           std::span<const std::string> teams);

// Success when pages of the store's tournament may be written, the page at
// `path` among them; a failure for that page while a file of the tournament
// could not be read whole.
SaveResult pageAllowed(const TournamentStore& store, const std::string& path);

} // namespace corvane

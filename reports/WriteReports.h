#pragma once
// Publishing: the standings order, the leader board and one page per team.
#include "store/SaveResult.h"
#include "store/TournamentStore.h"

#include <string>
#include <vector>

namespace corvane {

struct ReportOutcome {
    std::vector<std::string> written; // paths of the pages written
    std::vector<SaveResult> failures; // pages that could not be written, and why
    bool ok() const { return failures.empty(); }
};

// Sorts store.teams into standings order (the order stays) and rewrites
// tournament.html and every team page in the tournament folder.
[[nodiscard]] ReportOutcome writeReports(TournamentStore& store);

} // namespace corvane

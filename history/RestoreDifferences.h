#pragma once
// What a restore would change, named record by record, so the organiser sees
// which players, teams and games come back or go before saying yes.
#include "history/Restore.h"

#include <cstddef>
#include <string>
#include <vector>

namespace corvane::history {

// One line each for the players, teams and games that differ between the
// tournament now and `version`: "Players back: Ann, Bob", "Games gone: …".
// At most `mostNamed` records are named a line, then "and 12 more". Empty
// when the version holds the same records.
std::vector<std::string> restoreDifferences(const TournamentStore& now,
                                            const TournamentVersion& version,
                                            std::size_t mostNamed);

} // namespace corvane::history

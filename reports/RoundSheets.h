#pragma once
// Round sheets: pages of the tournament folder to print and take to the tables,
// each table with its two teams and empty boxes for the scores and flags.
#include "pairings/Seating.h"
#include "store/SaveResult.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace corvane {

class TournamentStore;

// The next round: its tables in order, then the bye. names[i] is the team of
// place index i.
std::string nextRoundSheet(std::span<const SeatingRow> rows, const std::vector<std::string>& names);

// A schedule: one table of the same kind per round, each headed by its number.
std::string scheduleSheet(std::span<const SeatingRow> rows, const std::vector<std::string>& names);

// Writes `page` as `fileName` (nextRoundFileName or scheduleFileName) into the
// tournament folder, beside the leader board; refused, as the results pages
// are, while a file of the tournament could not be read whole.
[[nodiscard]] SaveResult writeRoundSheet(const TournamentStore& store, std::string_view fileName,
                                         const std::string& page);

} // namespace corvane

#pragma once
// The next round and the schedule as comma-separated values, one row per
// table in table order and one per bye, team names exactly as stored.
#include "pairings/Seating.h"

#include <span>
#include <string>
#include <vector>

namespace corvane::csv {

// "Table,Team 1,Team 2", then "<table>,<team 1>,<team 2>", the bye as
// "Bye,<team>,". names[i] is the team of place index i.
std::string nextRoundCsv(std::span<const SeatingRow> rows, const std::vector<std::string>& names);

// "Round,Table,Team 1,Team 2", then the same rows led by their round: a bye as
// "<round>,Bye,<team>,".
std::string scheduleCsv(std::span<const SeatingRow> rows, const std::vector<std::string>& names);

} // namespace corvane::csv

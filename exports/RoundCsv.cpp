#include "exports/RoundCsv.h"

#include "exports/Csv.h"

namespace corvane::csv {

namespace {

std::string seatingCsv(std::vector<std::string> header, std::span<const SeatingRow> rows,
                       const std::vector<std::string>& names, bool withRound) {
    std::string out;
    appendRow(out, header);
    std::vector<std::string> fields;
    for (const SeatingRow& row : rows) {
        fields.clear();
        if (withRound) {
            fields.push_back(std::to_string(row.round));
        }
        fields.push_back(row.isBye() ? std::string("Bye") : std::to_string(row.table));
        fields.push_back(names[static_cast<std::size_t>(row.team1)]);
        fields.push_back(row.isBye() ? std::string() : names[static_cast<std::size_t>(row.team2)]);
        appendRow(out, fields);
    }
    return out;
}

} // namespace

std::string nextRoundCsv(std::span<const SeatingRow> rows, const std::vector<std::string>& names) {
    return seatingCsv({"Table", "Team 1", "Team 2"}, rows, names, false);
}

std::string scheduleCsv(std::span<const SeatingRow> rows, const std::vector<std::string>& names) {
    return seatingCsv({"Round", "Table", "Team 1", "Team 2"}, rows, names, true);
}

} // namespace corvane::csv

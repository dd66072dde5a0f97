#include "exports/RoundCsv.h"

#include "reports/PageText.h"

namespace corvane::csv {

namespace {

void appendSeatingRows(std::string& out, std::span<const SeatingRow> rows, const TeamFields& teams,
                       bool withRound) {
    for (const SeatingRow& row : rows) {
        if (withRound) {
            appendNumber(out, row.round);
            out += ',';
        }
        if (row.isBye()) {
            out += "Bye";
        } else {
            appendNumber(out, row.table);
        }
        out += ',';
        out += teams[row.team1];
        out += ',';
        if (!row.isBye()) {
            out += teams[row.team2];
        }
        out += rowEnd;
    }
}

} // namespace

TeamFields::TeamFields(const std::vector<std::string>& names, NameFields fields) {
    text_.reserve(names.size());
    for (const std::string& name : names) {
        appendName(text_.emplace_back(), name, fields);
    }
}

std::string nextRoundCsv(std::span<const SeatingRow> rows, const std::vector<std::string>& names,
                         NameFields fields) {
    std::string out;
    appendRow(out, {"Table", "Team 1", "Team 2"});
    appendSeatingRows(out, rows, TeamFields(names, fields), false);
    return out;
}

void appendScheduleHeader(std::string& out) {
    appendRow(out, {"Round", "Table", "Team 1", "Team 2"});
}

void appendScheduleRows(std::string& out, std::span<const SeatingRow> rows,
                        const TeamFields& teams) {
    appendSeatingRows(out, rows, teams, true);
}

std::string scheduleCsv(std::span<const SeatingRow> rows, const std::vector<std::string>& names,
                        NameFields fields) {
    std::string out;
    appendScheduleHeader(out);
    appendScheduleRows(out, rows, TeamFields(names, fields));
    return out;
}

} // namespace corvane::csv

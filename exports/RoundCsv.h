#pragma once
// The next round and the schedule as comma-separated values, one row per
// table in table order and one per bye, team names as `fields` says.
#include "exports/Csv.h"
#include "pairings/Seating.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace corvane::csv {

// "Table,Team 1,Team 2", then "<table>,<team 1>,<team 2>", the bye as
// "Bye,<team>,". names[i] is the team of place index i.
std::string nextRoundCsv(std::span<const SeatingRow> rows, const std::vector<std::string>& names,
                         NameFields fields);

// "Round,Table,Team 1,Team 2", then the same rows led by their round: a bye as
// "<round>,Bye,<team>,".
std::string scheduleCsv(std::span<const SeatingRow> rows, const std::vector<std::string>& names,
                        NameFields fields);

// Every team's field as the rows write it, made once: a schedule writes each
// name once a round, thousands of times.
class TeamFields {
public:
    TeamFields(const std::vector<std::string>& names, NameFields fields);
    std::string_view operator[](int team) const { return text_[static_cast<std::size_t>(team)]; }

private:
    std::vector<std::string> text_;
};

// The schedule in pieces, for one too long to hold as one text: the header
// row, then the rows of each round appended as the round is made.
void appendScheduleHeader(std::string& out);
void appendScheduleRows(std::string& out, std::span<const SeatingRow> rows,
                        const TeamFields& teams);

} // namespace corvane::csv

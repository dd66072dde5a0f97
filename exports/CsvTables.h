#pragma once
// The pieces the CSV tables are written with.
#include "exports/Csv.h"
#include "store/TournamentStore.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace corvane::csv {

// One row written field by field straight into the text, numbers in the
// leader board's formats.
class RowWriter {
public:
    explicit RowWriter(std::string& out) : out_(out) {}
    RowWriter& field(std::string_view text);
    RowWriter& number(std::int64_t value);
    RowWriter& oneDecimal(double value);
    // Ends the row with CR LF.
    void end();

private:
    void separate();

    std::string& out_;
    bool first_ = true;
};

void appendStandings(std::string& out, const TournamentStore& store);
void appendGames(std::string& out, const TournamentStore& store);
void appendPlayers(std::string& out, const TournamentStore& store);
void appendTeams(std::string& out, const TournamentStore& store);

} // namespace corvane::csv

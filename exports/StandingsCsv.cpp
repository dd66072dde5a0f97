#include "exports/CsvTables.h"
#include "reports/Standings.h"

namespace corvane::csv {

namespace {

void appendTeamFigures(RowWriter& row, const TeamRecord& team) {
    row.name(team.teamName)
        .number(team.gamesPlayed)
        .number(team.wins)
        .number(team.losses)
        .oneDecimal(winPercentage(team))
        .oneDecimal(team.averageScore)
        .oneDecimal(team.averageOpponentScore)
        .oneDecimal(team.averageMargin)
        .number(team.highScore)
        .number(team.lowScore)
        .number(team.flagsGiven)
        .number(team.flagged)
        .end();
}

} // namespace

void appendStandings(std::string& out, const TournamentStore& store, NameFields names) {
    appendRow(out, {"Pos", "Team", "Games", "W", "L", "Win %", "Avg Score", "Opp Score", "Margin",
                    "High Score", "Low Score", "Flags Given", "Flagged"});
    const std::vector<const TeamRecord*> order = standingsOrder(store.teams());
    std::int64_t position = 0;
    for (const TeamRecord* team : order) {
        if (team->gamesPlayed > 0) {
            RowWriter row(out, names);
            row.number(++position);
            appendTeamFigures(row, *team);
        }
    }
    // Every team is listed, so a count below zero, which only a damaged file
    // gives, lands here rather than nowhere.
    for (const TeamRecord* team : order) {
        if (team->gamesPlayed <= 0) {
            RowWriter row(out, names);
            row.text({});
            appendTeamFigures(row, *team);
        }
    }
}

} // namespace corvane::csv

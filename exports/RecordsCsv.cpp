#include "exports/CsvTables.h"
#include "store/NameCompare.h"

#include <unordered_map>

namespace corvane::csv {

void appendGames(std::string& out, const TournamentStore& store, NameFields names) {
    appendRow(out, {"Game", "Team 1", "Score 1", "Flags 1", "Team 2", "Score 2", "Flags 2"});
    std::int64_t number = 0;
    for (const GameRecord& game : store.games()) {
        RowWriter(out, names)
            .number(++number)
            .name(game.team1Name)
            .number(game.team1Score)
            .number(game.team1Flags)
            .name(game.team2Name)
            .number(game.team2Score)
            .number(game.team2Flags)
            .end();
    }
}

void appendPlayers(std::string& out, const TournamentStore& store, NameFields names) {
    appendRow(out, {"Player", "Team"});
    // A player's team, found by name without regard to case as teams are
    // built; should files name a player in two teams, the first is shown.
    std::unordered_map<std::string, const std::string*> teamOf;
    teamOf.reserve(2 * store.teams().size());
    for (const TeamRecord& team : store.teams()) {
        teamOf.try_emplace(foldName(team.firstPlayer), &team.teamName);
        teamOf.try_emplace(foldName(team.secondPlayer), &team.teamName);
    }
    for (const std::string& player : store.players()) {
        const auto found = teamOf.find(foldName(player));
        RowWriter(out, names)
            .name(player)
            .name(found == teamOf.end() ? std::string_view() : std::string_view(*found->second))
            .end();
    }
}

void appendTeams(std::string& out, const TournamentStore& store, NameFields names) {
    appendRow(out, {"Team", "Player 1", "Player 2"});
    for (const TeamRecord& team : store.teams()) {
        RowWriter(out, names)
            .name(team.teamName)
            .name(team.firstPlayer)
            .name(team.secondPlayer)
            .end();
    }
}

} // namespace corvane::csv

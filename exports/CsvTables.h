#pragma once
// The pieces the CSV tables are written with.
#include "exports/Csv.h"
#include "store/TournamentStore.h"

#include <string>

namespace corvane::csv {

void appendStandings(std::string& out, const TournamentStore& store, NameFields names);
void appendGames(std::string& out, const TournamentStore& store, NameFields names);
void appendPlayers(std::string& out, const TournamentStore& store, NameFields names);
void appendTeams(std::string& out, const TournamentStore& store, NameFields names);

} // namespace corvane::csv

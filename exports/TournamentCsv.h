#pragma once
// The tournament's records as CSV for spreadsheets: the standings, the games,
// the players and the teams, each a table with a header row.
#include "exports/Csv.h"
#include "store/TournamentStore.h"

#include <optional>
#include <string>
#include <string_view>

namespace corvane {

enum class ExportKind { standings, games, players, teams };

struct ExportTable {
    ExportKind kind;
    std::string_view name;  // as the command line takes it, and the file name's stem
    std::string_view title; // as menus show it
};

inline constexpr ExportTable exportTables[] = {
    {ExportKind::standings, "standings", "Standings"},
    {ExportKind::games, "games", "Games"},
    {ExportKind::players, "players", "Players"},
    {ExportKind::teams, "teams", "Teams"},
};

const ExportTable& exportTable(ExportKind kind);
std::optional<ExportKind> exportKindNamed(std::string_view name);

// Whether the text begins with the byte-order mark spreadsheet programs need
// to read UTF-8 as UTF-8; other programs are better off without it.
enum class ByteOrderMark { without, with };

// The whole CSV text of one table of `store`, which is only read:
//  standings  Pos,Team,Games,W,L,Win %,Avg Score,Opp Score,Margin,High Score,Low Score,
//             Flags Given,Flagged - the teams with games in standings order, numbered,
//             then the teams without games in standings order with Pos empty;
//  games      Game,Team 1,Score 1,Flags 1,Team 2,Score 2,Flags 2 - numbered from 1;
//  players    Player,Team - Team empty for a player in no team;
//  teams      Team,Player 1,Player 2.
// Lists other than the standings keep the store's order; numbers are written as
// the leader board writes them, names as `names` says (guarded for people).
std::string exportCsv(const TournamentStore& store, ExportKind kind,
                      ByteOrderMark mark = ByteOrderMark::without,
                      csv::NameFields names = csv::NameFields::guarded);

} // namespace corvane

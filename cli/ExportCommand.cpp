#include "cli/ExportCommand.h"

#include "cli/CsvNames.h"
#include "cli/TournamentArgument.h"
#include "exports/TournamentCsv.h"
#include "store/TournamentStore.h"

#include <CLI/CLI.hpp>
#include <memory>
#include <string>
#include <vector>

namespace corvane {

namespace {

struct ExportArguments {
    std::string table;
    TournamentArgument tournament;
    CsvNamesOption names;
};

int exportTable(const ExportArguments& arguments, const CliOutput& output) {
    TournamentStore store;
    if (!openTournament(arguments.tournament, output, store)) {
        return cliFailed;
    }
    // The parser took only the names of the tables.
    const ExportKind kind = *exportKindNamed(arguments.table);
    // A program reading standard output wants no byte-order mark.
    output.out << exportCsv(store, kind, ByteOrderMark::without, arguments.names.fields());
    return cliOk;
}

CliAction defineExport(CLI::App& command) {
    auto arguments = std::make_shared<ExportArguments>();
    std::vector<std::string> names;
    for (const ExportTable& table : exportTables) {
        names.emplace_back(table.name);
    }
    // The tables are named in the description; the check says nothing more.
    command.add_option("TABLE", arguments->table, "standings, games, players or teams")
        ->type_name("")
        ->required()
        ->check(CLI::IsMember(names).description(""));
    addTournamentArgument(command, arguments->tournament);
    addCsvNamesOption(command, arguments->names);
    return [arguments](const CliOutput& output) { return exportTable(*arguments, output); };
}

} // namespace

const CliCommand exportCommand{
    "export", "Print the standings, games, players or teams of the current tournament as CSV",
    "Prints TABLE of the current tournament of WORKING-DIRECTORY as comma-separated\n"
    "values (RFC 4180, UTF-8, CR LF, no byte-order mark) and writes no file:\n"
    "  standings  Pos,Team,Games,W,L,Win %,Avg Score,Opp Score,Margin,High Score,\n"
    "             Low Score,Flags Given,Flagged\n"
    "  games      Game,Team 1,Score 1,Flags 1,Team 2,Score 2,Flags 2\n"
    "  players    Player,Team\n"
    "  teams      Team,Player 1,Player 2\n\n"
    "Exit status: 0 when the table was printed, 1 when there is no tournament, a\n"
    "file of it cannot be read or standard output could not be written, 2 when the\n"
    "command line is wrong.",
    defineExport};

} // namespace corvane

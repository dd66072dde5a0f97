#include "cli/RoundCommands.h"

#include "cli/CsvNames.h"
#include "cli/TournamentArgument.h"
#include "exports/RoundCsv.h"
#include "pairings/NextRound.h"
#include "pairings/PairingField.h"
#include "pairings/Schedule.h"
#include "pairings/Seating.h"
#include "store/TournamentStore.h"

#include <memory>
#include <string>

namespace corvane {

namespace {

struct RoundArguments {
    TournamentArgument tournament;
    CsvNamesOption names;
};

// What a command prints for the teams of the tournament.
using RoundText = std::string (*)(const PairingField& field, csv::NameFields names);

std::string nextRoundText(const PairingField& field, csv::NameFields names) {
    const RoundProposal proposal = proposeNextRound(field.problem);
    return csv::nextRoundCsv(roundRows(proposal.tables, proposal.bye), field.names, names);
}

std::string scheduleText(const PairingField& field, csv::NameFields names) {
    return csv::scheduleCsv(scheduleRows(scheduleRemaining(field.problem)), field.names, names);
}

int printRounds(const RoundArguments& arguments, const CliOutput& output, RoundText text) {
    TournamentStore store;
    if (!openTournament(arguments.tournament, output, store)) {
        return cliFailed;
    }
    const std::optional<PairingField> field = pairingField(store);
    if (!field) {
        output.err << output.program << ": " << store.teams().size()
                   << " teams are more than can be paired (at most " << kMaxPairingTeams << ")\n";
        return cliFailed;
    }
    output.out << text(*field, arguments.names.fields());
    output.out.flush();
    return cliOk;
}

template <RoundText text> CliAction defineRounds(CLI::App& command) {
    auto arguments = std::make_shared<RoundArguments>();
    addTournamentArgument(command, arguments->tournament);
    addCsvNamesOption(command, arguments->names);
    return [arguments](const CliOutput& output) { return printRounds(*arguments, output, text); };
}

} // namespace

const CliCommand pairingsCommand{
    "pairings", "Print the best next round of the current tournament as CSV",
    "Pairs every team with one other: first the fewest pairs that have met before,\n"
    "then the smallest sum of the gaps between the places of the two teams of a\n"
    "table, then the bye (odd counts) for the lowest-placed team possible.\n"
    "Prints 'Table,Team 1,Team 2' and a row per table, the bye last as\n"
    "'Bye,<team>,'. Writes no file.\n\n"
    "Exit status: 0 when it was printed, 1 when there is no tournament or a file of\n"
    "it cannot be read, 2 when the command line is wrong.",
    defineRounds<nextRoundText>};

const CliCommand scheduleCommand{
    "schedule", "Print a schedule of the pairs that have not met yet as CSV",
    "Every pair of teams that has not met yet, once, no team twice in a round, in\n"
    "as few rounds as it can. Prints 'Round,Table,Team 1,Team 2' and a row per\n"
    "table, a team without a table as '<round>,Bye,<team>,'. Writes no file.\n\n"
    "Exit status: 0 when it was printed, 1 when there is no tournament or a file of\n"
    "it cannot be read, 2 when the command line is wrong.",
    defineRounds<scheduleText>};

} // namespace corvane

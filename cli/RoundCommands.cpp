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

// Text is handed to standard output in pieces of about this size, so a
// schedule of millions of rows is never held whole.
constexpr std::size_t outputPiece = std::size_t{1} << 20;
constexpr std::uint64_t mebibyte = std::uint64_t{1} << 20;

struct RoundArguments {
    TournamentArgument tournament;
    CsvNamesOption names;
};

// What a command prints for the teams of the tournament; returns its exit status.
using RoundPrinter = int (*)(const PairingField& field, csv::NameFields names,
                             const CliOutput& output);

int printNextRound(const PairingField& field, csv::NameFields names, const CliOutput& output) {
    const RoundProposal proposal = proposeNextRound(field.problem);
    output.out << csv::nextRoundCsv(roundRows(proposal.tables, proposal.bye), field.names, names);
    return cliOk;
}

int printSchedule(const PairingField& field, csv::NameFields names, const CliOutput& output) {
    std::string text;
    csv::appendScheduleHeader(text);
    const csv::TeamFields teams(field.names, names);
    std::vector<SeatingRow> rows;
    const ScheduleOutcome outcome =
        makeSchedule(field.problem, [&](int number, const ScheduleRound& round) {
            rows.clear();
            appendScheduleRound(rows, number, round);
            csv::appendScheduleRows(text, rows, teams);
            if (text.size() >= outputPiece) {
                output.out << text;
                text.clear();
            }
            // Output that cannot be written is not worth making.
            return static_cast<bool>(output.out);
        });
    if (outcome.refused) {
        output.err << output.program << ": the schedule of the pairs of the " << field.names.size()
                   << " teams that have not met yet would take about "
                   << (outcome.bytesNeeded + mebibyte - 1) / mebibyte
                   << " MiB of memory to make, more than the " << kMaxScheduleBytes / mebibyte
                   << " MiB it may take; no schedule printed\n";
        return cliFailed;
    }
    output.out << text;
    return cliOk;
}

int printRounds(const RoundArguments& arguments, const CliOutput& output, RoundPrinter print) {
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
    return print(*field, arguments.names.fields(), output);
}

template <RoundPrinter print> CliAction defineRounds(CLI::App& command) {
    auto arguments = std::make_shared<RoundArguments>();
    addTournamentArgument(command, arguments->tournament);
    addCsvNamesOption(command, arguments->names);
    return [arguments](const CliOutput& output) { return printRounds(*arguments, output, print); };
}

} // namespace

const CliCommand pairingsCommand{
    "pairings", "Print the best next round of the current tournament as CSV",
    "Pairs every team with one other: first the fewest pairs that have met before,\n"
    "then the smallest sum of the gaps between the places of the two teams of a\n"
    "table, then the bye (odd counts) for the lowest-placed team possible.\n"
    "Prints 'Table,Team 1,Team 2' and a row per table, the bye last as\n"
    "'Bye,<team>,'. Writes no file.\n\n"
    "Exit status: 0 when it was printed, 1 when there is no tournament, a file of\n"
    "it cannot be read or standard output could not be written, 2 when the command\n"
    "line is wrong.",
    defineRounds<printNextRound>};

const CliCommand scheduleCommand{
    "schedule", "Print a schedule of the pairs that have not met yet as CSV",
    "Every pair of teams that has not met yet, once, no team twice in a round, in\n"
    "as few rounds as it can. Prints 'Round,Table,Team 1,Team 2' and a row per\n"
    "table, a team without a table as '<round>,Bye,<team>,'. Writes no file.\n"
    "Without games it is the full round robin, printed as it is made; what remains\n"
    "after games is refused, before anything is printed, when making it would take\n"
    "more memory than allowed.\n\n"
    "Exit status: 0 when it was printed, 1 when there is no tournament, a file of\n"
    "it cannot be read, the schedule is refused or standard output could not be\n"
    "written, 2 when the command line is wrong.",
    defineRounds<printSchedule>};

} // namespace corvane

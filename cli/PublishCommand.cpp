#include "cli/PublishCommand.h"

#include "cli/CliApp.h"
#include "cli/TournamentArgument.h"
#include "reports/WriteReports.h"
#include "store/TournamentStore.h"

#include <memory>

namespace corvane {

namespace {

int publish(const TournamentArgument& argument, const CliOutput& output) {
    TournamentStore store;
    if (!openTournament(argument, output, store)) {
        return cliFailed;
    }

    const ReportOutcome outcome = writeReports(store);
    for (const std::string& path : outcome.written) {
        output.out << path << "\n";
    }
    for (const SaveResult& failure : outcome.failures) {
        output.err << output.program << ": " << failure.message() << "\n";
    }
    if (outcome.written.empty() && outcome.failures.empty()) {
        output.err << output.program << ": " << store.tournamentPath()
                   << " holds no teams; no page written\n";
    }
    return outcome.ok() ? cliOk : cliFailed;
}

CliAction definePublish(CLI::App& command) {
    auto argument = std::make_shared<TournamentArgument>();
    addTournamentArgument(command, *argument);
    return [argument](const CliOutput& output) { return publish(*argument, output); };
}

} // namespace

const CliCommand publishCommand{
    "publish", "Write the leader board and the team pages of the current tournament",
    "Writes the pages into the tournament folder of WORKING-DIRECTORY and prints the\n"
    "path of every page written, one a line.\n\n"
    "Exit status: 0 when every page was written, 1 when there is no tournament, a\n"
    "page could not be written or standard output could not be written, 2 when the\n"
    "command line is wrong.",
    definePublish};

int runPublish(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
    return runCommandAlone(publishCommand, "corvane-publish", arguments, out, err);
}

} // namespace corvane

#include "cli/PublishCommand.h"

#include "cli/CliApp.h"
#include "cli/TournamentArgument.h"
#include "lifecycle/PageImages.h"
#include "reports/WriteReports.h"
#include "store/TournamentStore.h"

#include <filesystem>
#include <memory>
#include <system_error>

namespace corvane {

namespace {

// The program's own page images: installed in the data folder, or in the build
// tree. Found from the running program where the system says which file it is.
std::string programImagesFolder() {
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) {
        return {};
    }
    const std::filesystem::path folder = program.parent_path();
    return findImagesFolder({folder.string(), (folder / CORVANE_IMAGES_FROM_BINDIR).string(),
                             (folder / CORVANE_IMAGES_FROM_BUILD).string()});
}

int publish(const TournamentArgument& argument, const CliOutput& output) {
    TournamentStore store;
    if (!openTournament(argument, output, store)) {
        return cliFailed;
    }

    const ReportOutcome outcome = writeReports(store);
    if (!outcome.written.empty()) {
        addMissingPageImages(store.workingDirectory, store.tournamentPath(), programImagesFolder());
    }
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

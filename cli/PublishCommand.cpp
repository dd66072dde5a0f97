#include "cli/PublishCommand.h"

#include "cli/CliApp.h"
#include "reports/WriteReports.h"
#include "store/TournamentStore.h"

#include <CLI/CLI.hpp>
#include <filesystem>
#include <memory>
#include <optional>
#include <system_error>

namespace corvane {

namespace {

struct PublishLine {
    std::string directory;
    const CLI::Option* directoryGiven = nullptr;
};

// The working directory as the program captures it at start-up: the current
// directory unless one is named.
std::optional<std::string> workingDirectory(const PublishLine& line, const CliOutput& output) {
    if (line.directoryGiven->count() > 0) {
        // "club/" names the same directory as "club"; the pages' paths show it once.
        std::string directory = line.directory;
        while (directory.size() > 1 && directory.back() == '/') {
            directory.pop_back();
        }
        return directory;
    }
    std::error_code error;
    std::filesystem::path current = std::filesystem::current_path(error);
    if (error) {
        output.err << output.program << ": cannot read the current directory: " << error.message()
                   << "\n";
        return std::nullopt;
    }
    return current.string();
}

int publish(const PublishLine& line, const CliOutput& output) {
    const std::optional<std::string> directory = workingDirectory(line, output);
    if (!directory) {
        return cliFailed;
    }

    TournamentStore store;
    if (const ReadResult dat = store.readTournamentNumber(*directory); dat.refused()) {
        output.err << output.program << ": " << dat.message() << "\n";
        return cliFailed;
    }
    if (store.noTournamentYet != 0) {
        output.err << output.program << ": no tournament in " << *directory
                   << " (its tournament.dat names none)\n";
        return cliFailed;
    }
    // Pages from a tournament not read whole would show wrong figures.
    if (const ReadResult data = store.loadAll(); data.refused()) {
        output.err << output.program << ": " << data.message() << "\n";
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
    output.out.flush();
    return outcome.ok() ? cliOk : cliFailed;
}

CliAction definePublish(CLI::App& command) {
    auto line = std::make_shared<PublishLine>();
    line->directoryGiven =
        command
            .add_option("WORKING-DIRECTORY", line->directory,
                        "The folder that holds tournament.dat (default: the current directory)")
            ->type_name("");
    return [line](const CliOutput& output) { return publish(*line, output); };
}

} // namespace

const CliCommand publishCommand{
    "publish", "Write the leader board and the team pages of the current tournament",
    "Writes the pages into the tournament folder of WORKING-DIRECTORY and prints the\n"
    "path of every page written, one a line.\n\n"
    "Exit status: 0 when every page was written, 1 when there is no tournament or\n"
    "a page could not be written, 2 when the command line is wrong.",
    definePublish};

int runPublish(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
    return runCommandAlone(publishCommand, "corvane-publish", arguments, out, err);
}

} // namespace corvane

#include "cli/PublishCommand.h"

#include "reports/WriteReports.h"
#include "store/TournamentStore.h"

#include <filesystem>
#include <optional>
#include <system_error>

namespace corvane {

namespace {

constexpr const char* programName = "corvane-publish";

void printUsage(std::ostream& stream) {
    stream << "Usage: " << programName << " [OPTION] [WORKING-DIRECTORY]\n"
           << "Writes the leader board and the team pages of the current tournament of\n"
           << "WORKING-DIRECTORY (default: the current directory) into its tournament folder\n"
           << "and prints the path of every page written.\n\n"
           << "  --help     show this help and exit\n"
           << "  --version  show the version and exit\n\n"
           << "Exit status: 0 when every page was written, 1 when there is no tournament or\n"
           << "a page could not be written, 2 when the command line is wrong.\n";
}

struct CommandLine {
    bool help = false;
    bool version = false;
    std::optional<std::string> directory;
};

std::optional<CommandLine> parse(const std::vector<std::string>& arguments, std::ostream& err) {
    CommandLine line;
    bool optionsEnded = false;
    for (const std::string& argument : arguments) {
        if (!optionsEnded && argument == "--") {
            optionsEnded = true;
        } else if (!optionsEnded && (argument == "--help" || argument == "-h")) {
            line.help = true;
        } else if (!optionsEnded && argument == "--version") {
            line.version = true;
        } else if (!optionsEnded && argument.size() > 1 && argument[0] == '-') {
            err << programName << ": unknown option '" << argument << "'\n";
            return std::nullopt;
        } else if (line.directory) {
            err << programName << ": only one working directory may be given\n";
            return std::nullopt;
        } else {
            line.directory = argument;
        }
    }
    return line;
}

// The working directory as the program captures it at start-up: the current
// directory unless one is named.
std::optional<std::string> workingDirectory(const CommandLine& line, std::ostream& err) {
    if (line.directory) {
        // "club/" names the same directory as "club"; the pages' paths show it once.
        std::string directory = *line.directory;
        while (directory.size() > 1 && directory.back() == '/') {
            directory.pop_back();
        }
        return directory;
    }
    std::error_code error;
    std::filesystem::path current = std::filesystem::current_path(error);
    if (error) {
        err << programName << ": cannot read the current directory: " << error.message() << "\n";
        return std::nullopt;
    }
    return current.string();
}

} // namespace

int runPublish(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
    const std::optional<CommandLine> line = parse(arguments, err);
    if (!line) {
        printUsage(err);
        return publishUsage;
    }
    if (line->help) {
        printUsage(out);
        return publishOk;
    }
    if (line->version) {
        out << programName << " " << CORVANE_VERSION << "\n";
        return publishOk;
    }
    const std::optional<std::string> directory = workingDirectory(*line, err);
    if (!directory) {
        return publishFailed;
    }

    TournamentStore store;
    if (const ReadResult dat = store.readTournamentNumber(*directory); dat.refused()) {
        err << programName << ": " << dat.message() << "\n";
        return publishFailed;
    }
    if (store.noTournamentYet != 0) {
        err << programName << ": no tournament in " << *directory
            << " (its tournament.dat names none)\n";
        return publishFailed;
    }
    // Pages from a tournament not read whole would show wrong figures.
    if (const ReadResult data = store.loadAll(); data.refused()) {
        err << programName << ": " << data.message() << "\n";
        return publishFailed;
    }

    const ReportOutcome outcome = writeReports(store);
    for (const std::string& path : outcome.written) {
        out << path << "\n";
    }
    for (const SaveResult& failure : outcome.failures) {
        err << programName << ": " << failure.message() << "\n";
    }
    if (outcome.written.empty() && outcome.failures.empty()) {
        err << programName << ": " << store.tournamentPath()
            << " holds no teams; no page written\n";
    }
    out.flush();
    return outcome.ok() ? publishOk : publishFailed;
}

} // namespace corvane

#include "cli/TournamentArgument.h"

#include "store/FileSystem.h"
#include "store/TournamentStore.h"

#include <CLI/CLI.hpp>
#include <filesystem>
#include <optional>
#include <system_error>

namespace corvane {

namespace {

// The working directory as the program captures it at start-up: the current
// directory unless one is named.
std::optional<std::string> workingDirectory(const TournamentArgument& argument,
                                            const CliOutput& output) {
    if (argument.given != nullptr && argument.given->count() > 0) {
        // "club/" names the same directory as "club"; paths printed show it once.
        // "C:\" stays as it is: "C:" would be the current folder of drive C.
        std::string directory = argument.directory;
        while (directory.size() > 1 &&
               os::pathSeparators.find(directory.back()) != std::string_view::npos &&
               directory[directory.size() - 2] != ':') {
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
    return os::utf8Of(current);
}

} // namespace

void addTournamentArgument(CLI::App& command, TournamentArgument& argument) {
    argument.given =
        command
            .add_option("WORKING-DIRECTORY", argument.directory,
                        "The folder that holds tournament.dat (default: the current directory)")
            ->type_name("");
}

bool openTournament(const TournamentArgument& argument, const CliOutput& output,
                    TournamentStore& store) {
    const std::optional<std::string> directory = workingDirectory(argument, output);
    if (!directory) {
        return false;
    }
    if (const ReadResult dat = store.readTournamentNumber(*directory); dat.refused()) {
        output.err << output.program << ": " << dat.message() << "\n";
        return false;
    }
    if (store.noTournamentYet) {
        output.err << output.program << ": no tournament in " << *directory
                   << " (its tournament.dat names none)\n";
        return false;
    }
    // What a tournament not read whole gives would be wrong.
    if (const ReadResult data = store.loadAll(); data.refused()) {
        output.err << output.program << ": " << data.message() << "\n";
        return false;
    }
    return true;
}

} // namespace corvane

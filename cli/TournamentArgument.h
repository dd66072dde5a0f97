#pragma once
// The optional WORKING-DIRECTORY argument that every command reading a
// tournament takes, and the reading itself.
#include "cli/CliCommand.h"

#include <string>

namespace CLI {
class Option;
}

namespace corvane {

class TournamentStore;

struct TournamentArgument {
    std::string directory;
    const CLI::Option* given = nullptr;
};

// Adds WORKING-DIRECTORY (default: the current directory) to `command`.
void addTournamentArgument(CLI::App& command, TournamentArgument& argument);

// Reads the current tournament of the working directory into `store`, as the
// program does at start-up. False, with the reason on output.err, when there
// is no tournament or a file of it cannot be read.
bool openTournament(const TournamentArgument& argument, const CliOutput& output,
                    TournamentStore& store);

} // namespace corvane

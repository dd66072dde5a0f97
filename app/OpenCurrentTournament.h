#pragma once
// The start-up logic of the main window, free of any window.
#include "store/ReadResult.h"

#include <optional>

namespace corvane::app {

struct OpenedTournament {
    bool exists = false;               // tournament.dat names a tournament
    std::optional<ReadResult> refused; // a file that exists but could not be read
};

// Creates the store unless one exists, takes the process's current directory
// as the working directory, reads tournament.dat and loads the current
// tournament's data (Tournament0 when there is none yet). True when
// tournament.dat names a tournament; a file that could not be read is named.
OpenedTournament openCurrentTournament();

} // namespace corvane::app

#pragma once
// The start-up logic of the main window, free of any window.

namespace corvane::app {

// Creates the store unless one exists, takes the process's current directory
// as the working directory, reads tournament.dat and loads the current
// tournament's data (Tournament0 when there is none yet). True when
// tournament.dat names a tournament.
bool openCurrentTournament();

} // namespace corvane::app

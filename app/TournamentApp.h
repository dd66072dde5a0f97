#pragma once
// The application object: installs the real platform services and runs the
// main window modally; the program ends when it closes.

namespace corvane::app {

class TournamentApp {
public:
    int run(int argc, char** argv);
};

} // namespace corvane::app

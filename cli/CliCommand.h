#pragma once
// One subcommand of corvane-cli. Each lives in a file of its own and is named in
// the list in CliApp.cpp; corvane-cli parses, a command only says what it takes
// and what it does.
#include <functional>
#include <ostream>
#include <string>

namespace CLI {
class App;
}

namespace corvane {

enum CliExit : int {
    cliOk = 0,
    cliFailed = 1, // the command ran and could not do all it was asked
    cliUsage = 2,  // the command line is wrong
};

// Where a command reports: the program's name as its messages begin with it,
// pages and other results on `out`, everything else on `err`.
struct CliOutput {
    std::string program;
    std::ostream& out;
    std::ostream& err;
};

// What a command does once its command line is parsed; returns its exit status.
using CliAction = std::function<int(const CliOutput& output)>;

struct CliCommand {
    const char* name;
    const char* description; // one line, for corvane-cli --help and the command's own
    const char* footer;      // after the options in the command's --help: output, exit status
    // Adds the command's options and arguments to `command`, which is already
    // named and described, and returns the action that reads them.
    CliAction (*define)(CLI::App& command);
};

} // namespace corvane

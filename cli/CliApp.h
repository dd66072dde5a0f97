#pragma once
// corvane-cli: the command-line tool, one subcommand per task.
#include "cli/CliCommand.h"

#include <ostream>
#include <string>
#include <vector>

namespace corvane {

// `arguments` are those after the program name. Help and version go to `out`;
// a wrong command line is told on `err` and ends with cliUsage; otherwise the
// chosen subcommand's exit status.
int runCli(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

// One command run as a program of its own, under the name `program`, with its
// own --help and --version: what older names of a command call.
int runCommandAlone(const CliCommand& command, const std::string& program,
                    const std::vector<std::string>& arguments, std::ostream& out,
                    std::ostream& err);

} // namespace corvane

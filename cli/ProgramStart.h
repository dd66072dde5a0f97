#pragma once
// What a command-line program takes from the system as it starts, one file per
// system (ProgramStartPosix.cpp, ProgramStartWindows.cpp): its arguments as
// UTF-8, and standard output and error that pass bytes as they are, so CSV
// rows end in CR LF and paths in "\n" on every system.
#include <string>
#include <vector>

namespace corvane {

// The arguments after the program's name, UTF-8 whatever the system's code page.
std::vector<std::string> startProgram(int argc, char** argv);

} // namespace corvane

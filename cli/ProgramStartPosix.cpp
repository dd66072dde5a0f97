// Command-line programs on POSIX systems: the arguments are bytes, UTF-8 as typed.
#include "cli/ProgramStart.h"

namespace corvane {

std::vector<std::string> startProgram(int argc, char** argv) {
    return std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc);
}

} // namespace corvane

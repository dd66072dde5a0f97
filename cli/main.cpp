#include "cli/CliApp.h"
#include "cli/ProgramStart.h"

#include <iostream>

int main(int argc, char** argv) {
    const std::vector<std::string> arguments = corvane::startProgram(argc, argv);
    return corvane::runCli(arguments, std::cout, std::cerr);
}

// corvane-publish: the name scripts called before corvane-cli publish existed.
#include "cli/ProgramStart.h"
#include "cli/PublishCommand.h"

#include <iostream>

int main(int argc, char** argv) {
    const std::vector<std::string> arguments = corvane::startProgram(argc, argv);
    return corvane::runPublish(arguments, std::cout, std::cerr);
}

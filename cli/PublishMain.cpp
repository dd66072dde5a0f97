// corvane-publish: the name scripts called before corvane-cli publish existed.
#include "cli/PublishCommand.h"

#include <iostream>

int main(int argc, char** argv) {
    const std::vector<std::string> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
    return corvane::runPublish(arguments, std::cout, std::cerr);
}

#pragma once
// corvane-cli publish: writes the result pages of a working directory's current
// tournament without opening any window. corvane-publish is its older name.
#include "cli/CliCommand.h"

#include <ostream>
#include <string>
#include <vector>

namespace corvane {

extern const CliCommand publishCommand;

// corvane-publish: the publish command under its own name. `arguments` are those
// after the program name. Pages written go to `out`, one path a line;
// everything else to `err`. Returns a CliExit.
int runPublish(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

} // namespace corvane

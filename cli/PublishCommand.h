#pragma once
// corvane-publish: writes the result pages of a working directory's current
// tournament without opening any window.
#include <ostream>
#include <string>
#include <vector>

namespace corvane {

enum PublishExit : int {
    publishOk = 0,
    publishFailed = 1, // no tournament, or a page could not be written
    publishUsage = 2,
};

// `arguments` are the command-line arguments after the program name. Pages
// written go to `out`, one path a line; everything else to `err`.
int runPublish(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

} // namespace corvane

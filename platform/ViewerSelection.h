#pragma once
// Which running viewers belong to a working directory, told from the command line
// each was started with, read the way the viewer itself reads it.
#include <string>
#include <vector>

namespace corvane::platform {

// A running viewer as seen from outside: the words it was started with, without the
// program name, and the folder it runs in (empty if the system does not tell).
struct ViewerCommand {
    std::vector<std::string> arguments;
    std::string currentDirectory;
};

// True if `viewer` shows a page lying directly in a tournament folder of
// `workingDirectory`. A PDF run, a projector display, a --help or --version run and
// a command line the viewer would refuse never do.
[[nodiscard]] bool showsTournamentPage(const ViewerCommand& viewer,
                                       const std::string& workingDirectory);

// True if `viewer` is the projector display of `workingDirectory`.
[[nodiscard]] bool isDisplayOf(const ViewerCommand& viewer, const std::string& workingDirectory);

} // namespace corvane::platform

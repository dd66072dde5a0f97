#pragma once
// Finding, ending and starting the results viewer's processes. Plain POSIX and
// Linux /proc, so it needs no toolkit and can be tested against real processes.
#include "platform/ViewerSelection.h"

#include <chrono>
#include <cstddef>
#include <functional>
#include <string>
#include <sys/types.h>
#include <vector>

namespace corvane::platform {

// What makes a process a results viewer: its process name, compared without
// regard to case, and the executable file it runs. Both must match, so another
// program that merely shares the name is never taken for a viewer.
struct ViewerIdentity {
    std::string processName;
    std::string executable;
};

// Which of the running viewers are meant, judged by their command lines. A viewer
// whose command line cannot be read is never meant.
using ViewerSelection = std::function<bool(const ViewerCommand&)>;

// The IDs of the current user's running processes that are `viewer` and that
// `selection` means, in /proc order.
[[nodiscard]] std::vector<pid_t> findViewerProcesses(const ViewerIdentity& viewer,
                                                     const ViewerSelection& selection);

// Ends every running process that is `viewer` and that `selection` means: SIGTERM
// first, SIGKILL for any still alive after `grace`. Returns how many have ended when
// it returns.
std::size_t endViewerProcesses(const ViewerIdentity& viewer, const ViewerSelection& selection,
                               std::chrono::milliseconds grace);

// Starts `executable` with `arguments` in a session of its own, neither waited for nor
// tracked, its input from /dev/null. False if it could not be started.
[[nodiscard]] bool startDetached(const std::string& executable,
                                 const std::vector<std::string>& arguments);

// The path of the running program, empty if the system does not tell.
[[nodiscard]] std::string runningExecutable();

// `name` in the folder of `runningProgram` if an executable is there, else `installed`.
[[nodiscard]] std::string locateViewer(const std::string& runningProgram, const std::string& name,
                                       const std::string& installed);

} // namespace corvane::platform

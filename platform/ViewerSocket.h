#pragma once
// The results viewer of a working directory listens on a local socket, so a
// publish shows the new standings in the open viewer instead of ending it and
// starting another. Plain C++: the launcher (without the toolkit) asks, the
// viewer answers.
#include <chrono>
#include <string>
#include <string_view>

namespace corvane::platform {

// The socket of the viewer that shows pages of `workingDirectory`'s
// tournaments: one per working directory and user, in the runtime folder.
std::string viewerSocketPath(const std::string& workingDirectory);

// The request and its answer, one line each.
inline constexpr std::string_view showRequest = "SHOW ";
inline constexpr std::string_view shownAnswer = "OK";

// Asks the viewer listening at `socketPath` to show `page` (reloaded when it
// shows it already); true when it said it does, within `wait`.
bool askViewerToShow(const std::string& socketPath, const std::string& page,
                     std::chrono::milliseconds wait);

} // namespace corvane::platform

#pragma once
// Control of the results viewer program, behind one small interface for tests.
#include <memory>
#include <string>

namespace corvane::platform {

class ViewerLauncher {
public:
    virtual ~ViewerLauncher() = default;
    // Ends the current user's results viewers that show a page of a tournament
    // folder of `workingDirectory`; viewers of anything else, and projector
    // displays, are left running.
    virtual void endRunningViewers(const std::string& workingDirectory) = 0;
    // Shows `pagePath` in the viewer open on `workingDirectory`'s tournaments,
    // reloaded in place; false when none is open or it did not answer.
    virtual bool showInRunningViewer(const std::string& workingDirectory,
                                     const std::string& pagePath) = 0;
    // Starts one viewer on `pagePath`; false if it could not be started.
    virtual bool startViewer(const std::string& pagePath) = 0;
    // Starts the projector display of `workingDirectory` full screen on the screen
    // named `screenName` (empty: the primary screen), ending any display of that
    // folder already running first; false if it could not be started.
    virtual bool startDisplay(const std::string& workingDirectory,
                              const std::string& screenName) = 0;
};

// The real launcher: corvane-viewer beside the running program, else the installed one.
std::unique_ptr<ViewerLauncher> makeSystemViewerLauncher();
// The same with the viewer program at `viewerExecutable`.
std::unique_ptr<ViewerLauncher> makeSystemViewerLauncher(const std::string& viewerExecutable);

} // namespace corvane::platform

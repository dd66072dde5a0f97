#pragma once
// Control of the results viewer program, behind one small interface for tests.
#include <memory>
#include <string>

namespace corvane::platform {

class ViewerLauncher {
public:
    virtual ~ViewerLauncher() = default;
    // Ends every running results viewer of the current user, and no other program.
    virtual void endRunningViewers() = 0;
    // Starts one viewer on `pagePath`; false if it could not be started.
    virtual bool startViewer(const std::string& pagePath) = 0;
};

// The real launcher: corvane-viewer beside the running program, else the installed one.
std::unique_ptr<ViewerLauncher> makeSystemViewerLauncher();

} // namespace corvane::platform

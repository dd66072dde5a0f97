// The real results viewer: the corvane-viewer program, ended and started as processes.
#include "platform/ViewerLauncher.h"
#include "platform/ViewerProcesses.h"
#include "platform/ViewerSocket.h"

namespace corvane::platform {
namespace {

constexpr const char* viewerName = "corvane-viewer";

// A viewer asked to end gets this long to close its window before it is killed.
constexpr std::chrono::milliseconds closeGrace{1500};
// An open viewer answers at once; one that does not is ended and replaced.
constexpr std::chrono::milliseconds answerWait{1000};

class SystemViewerLauncher final : public ViewerLauncher {
public:
    explicit SystemViewerLauncher(const std::string& executable)
        : viewer_{viewerName, executable} {}

    void endRunningViewers(const std::string& workingDirectory) override {
        // Viewers of other working directories, PDF runs and displays are someone else's.
        (void)endViewerProcesses(
            viewer_,
            [&](const ViewerCommand& viewer) {
                return showsTournamentPage(viewer, workingDirectory);
            },
            closeGrace);
    }

    bool showInRunningViewer(const std::string& workingDirectory,
                             const std::string& pagePath) override {
        return askViewerToShow(viewerSocketPath(workingDirectory), pagePath, answerWait);
    }

    bool startViewer(const std::string& pagePath) override {
        // "--" keeps a page path that starts with a dash from being read as an option.
        return startDetached(viewer_.executable, {"--", pagePath});
    }

    bool startDisplay(const std::string& workingDirectory, const std::string& screenName) override {
        // One display per working directory; those of other folders stay.
        (void)endViewerProcesses(
            viewer_,
            [&](const ViewerCommand& viewer) { return isDisplayOf(viewer, workingDirectory); },
            closeGrace);
        std::vector<std::string> words{"--display"};
        if (!screenName.empty())
            words.insert(words.end(), {"--screen", screenName});
        // "--" keeps a folder that starts with a dash from being read as an option.
        words.insert(words.end(), {"--", workingDirectory});
        return startDetached(viewer_.executable, words);
    }

private:
    ViewerIdentity viewer_;
};

} // namespace

std::unique_ptr<ViewerLauncher> makeSystemViewerLauncher() {
    return makeSystemViewerLauncher(
        locateViewer(runningExecutable(), viewerName, CORVANE_INSTALLED_VIEWER));
}

std::unique_ptr<ViewerLauncher> makeSystemViewerLauncher(const std::string& viewerExecutable) {
    return std::make_unique<SystemViewerLauncher>(viewerExecutable);
}

} // namespace corvane::platform

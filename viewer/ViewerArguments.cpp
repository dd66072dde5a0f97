#include "viewer/ViewerArguments.h"

namespace corvane::viewer {

ViewerArguments parseViewerArguments(const std::vector<std::string>& words) {
    ViewerArguments args;
    std::vector<std::string> pages;
    bool optionsEnded = false;
    for (const std::string& word : words) {
        if (optionsEnded || word.empty() || word[0] != '-' || word == "-") {
            pages.push_back(word);
        } else if (word == "--") {
            optionsEnded = true;
        } else if (word == "--help" || word == "-h") {
            args.help = true;
        } else if (word == "--version" || word == "-v") {
            args.version = true;
        } else if (word == "--exit-after-load") {
            args.exitAfterLoad = true;
        } else if (args.error.empty()) {
            args.error = "Unknown option '" + word + "'.";
        }
    }
    if (args.error.empty() && !args.help && !args.version) {
        if (pages.size() == 1)
            args.page = pages.front();
        else
            args.error = pages.empty() ? "No page given." : "Give one page only.";
    }
    return args;
}

std::string viewerUsage() {
    return "Usage: corvane-viewer [options] page\n"
           "Shows the published results of a Corvane tournament.\n\n"
           "Options:\n"
           "  -h, --help     Show this help.\n"
           "  -v, --version  Show the version.\n\n"
           "Arguments:\n"
           "  page           The page to show, such as Tournament1/tournament.html.\n";
}

} // namespace corvane::viewer

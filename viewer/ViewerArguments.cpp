#include "viewer/ViewerArguments.h"

namespace corvane::viewer {

ViewerArguments parseViewerArguments(const std::vector<std::string>& words) {
    ViewerArguments args;
    std::vector<std::string> pages;
    bool optionsEnded = false;
    bool pdfOutputNext = false;
    for (const std::string& word : words) {
        if (pdfOutputNext) {
            args.pdfOutput = word;
            pdfOutputNext = false;
        } else if (optionsEnded || word.empty() || word[0] != '-' || word == "-") {
            pages.push_back(word);
        } else if (word == "--") {
            optionsEnded = true;
        } else if (word == "--help" || word == "-h") {
            args.help = true;
        } else if (word == "--version" || word == "-v") {
            args.version = true;
        } else if (word == "--exit-after-load") {
            args.exitAfterLoad = true;
        } else if (word == "--pdf") {
            args.pdf = true;
            pdfOutputNext = true;
        } else if (args.error.empty()) {
            args.error = "Unknown option '" + word + "'.";
        }
    }
    if (pdfOutputNext && args.error.empty()) {
        args.error = "--pdf needs the PDF file to write.";
    }
    if (args.error.empty() && !args.help && !args.version) {
        if (pages.size() == 1)
            args.page = pages.front();
        else if (pages.empty())
            args.error = args.pdf ? "No tournament folder given." : "No page given.";
        else
            args.error = args.pdf ? "Give one tournament folder only." : "Give one page only.";
    }
    return args;
}

std::string viewerUsage() {
    return "Usage: corvane-viewer [options] page\n"
           "       corvane-viewer --pdf OUTPUT folder\n"
           "Shows the published results of a Corvane tournament, or saves them all as one PDF.\n\n"
           "Options:\n"
           "  -h, --help     Show this help.\n"
           "  -v, --version  Show the version.\n"
           "  --pdf OUTPUT   Open no window: write the leader board, every team page and\n"
           "                 any other page of the tournament folder into the PDF file\n"
           "                 OUTPUT, each page starting on a new sheet.\n\n"
           "Arguments:\n"
           "  page           The page to show, such as Tournament1/tournament.html.\n"
           "  folder         With --pdf: the tournament folder, such as Tournament1.\n";
}

} // namespace corvane::viewer

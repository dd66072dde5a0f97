#include "platform/ViewerArguments.h"

namespace corvane::viewer {

ViewerArguments parseViewerArguments(const std::vector<std::string>& words) {
    ViewerArguments args;
    std::vector<std::string> pages;
    bool optionsEnded = false;
    // The option whose value the next word is, if any.
    std::string* valueNext = nullptr;
    std::string optionWanting;
    for (const std::string& word : words) {
        if (valueNext != nullptr) {
            *valueNext = word;
            valueNext = nullptr;
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
        } else if (word == "--print-loads") {
            args.printLoads = true;
        } else if (word == "--pdf") {
            args.pdf = true;
            valueNext = &args.pdfOutput;
            optionWanting = "--pdf needs the PDF file to write.";
        } else if (word == "--display") {
            args.display = true;
        } else if (word == "--screen") {
            valueNext = &args.screen;
            optionWanting = "--screen needs the name of a screen.";
        } else if (args.error.empty()) {
            args.error = "Unknown option '" + word + "'.";
        }
    }
    if (valueNext != nullptr && args.error.empty()) {
        args.error = optionWanting;
    }
    if (args.pdf && args.display && args.error.empty()) {
        args.error = "Give --pdf or --display, not both.";
    }
    if (args.error.empty() && !args.help && !args.version) {
        if (pages.size() == 1)
            args.page = pages.front();
        else if (args.display)
            args.error =
                pages.empty() ? "No working directory given." : "Give one working directory only.";
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
           "       corvane-viewer --display [--screen NAME] directory\n"
           "Shows the published results of a Corvane tournament, saves them all as one PDF,\n"
           "or shows the leader board full screen for the players.\n\n"
           "Options:\n"
           "  -h, --help     Show this help.\n"
           "  -v, --version  Show the version.\n"
           "  --pdf OUTPUT   Open no window: write the leader board, every team page and\n"
           "                 any other page of the tournament folder into the PDF file\n"
           "                 OUTPUT, each page starting on a new sheet.\n"
           "  --display      The projector display: the current tournament's leader board\n"
           "                 full screen, scrolling when taller than the screen and\n"
           "                 updated whenever the results are published. Escape leaves\n"
           "                 full screen.\n"
           "  --screen NAME  With --display: the screen to fill (default: the primary one).\n\n"
           "Arguments:\n"
           "  page           The page to show, such as Tournament1/tournament.html.\n"
           "  folder         With --pdf: the tournament folder, such as Tournament1.\n"
           "  directory      With --display: the working directory of the tournaments,\n"
           "                 which may be a shared folder on another computer.\n";
}

} // namespace corvane::viewer

#pragma once
// The command line of corvane-viewer. Read without the toolkit, so --help and
// --version work where no display is at hand.
#include <optional>
#include <string>
#include <vector>

namespace corvane::viewer {

struct ViewerArguments {
    bool help = false;
    bool version = false;
    // Test use: print the caption and text of the first page shown, then exit.
    bool exitAfterLoad = false;
    // Test use: print "loaded" each time a page is shown, and go on.
    bool printLoads = false;
    // --pdf OUTPUT: no window; every page of the tournament folder given in
    // place of the page is written into the PDF file OUTPUT.
    bool pdf = false; // --pdf was given, right or wrong
    std::string pdfOutput;
    // --display: the projector display, full screen; the working directory given in
    // place of the page, whose current tournament's leader board it shows.
    bool display = false;
    // --screen NAME: the screen the display fills (empty: the primary screen).
    std::string screen;
    std::string
        page; // or, with --pdf, the tournament folder; with --display, the working directory
    std::string error; // not empty if the command line is wrong
};

// `words` without the program name.
[[nodiscard]] ViewerArguments parseViewerArguments(const std::vector<std::string>& words);

std::string viewerUsage();

} // namespace corvane::viewer

#pragma once
// Where the program keeps its own title.jpg and back.jpg.
#include <string>

namespace corvane {
class TournamentStore;
}

namespace corvane::app {

// Beside the running program (the build tree), else in the installed data
// folder; empty when neither holds the images.
std::string defaultImagesFolder();

// Gives the current tournament's folder the page images it lacks.
void addMissingImages(const TournamentStore& store);

} // namespace corvane::app

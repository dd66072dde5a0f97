#pragma once
// Starting the next tournament: its number in tournament.dat, its folder and
// its two page images. The previous tournament's folder stays as an archive.
#include "lifecycle/PageImages.h"
#include "store/SaveResult.h"
#include "store/TournamentStore.h"

#include <string>

namespace corvane {

// Creates the folder at `folderPath`; a folder that exists already is used
// with whatever it holds.
[[nodiscard]] SaveResult createTournamentFolder(const std::string& folderPath);

// Opens the tournament after the current one. The new folder is created and
// tournament.dat rewritten first; if either fails the result says which and
// why, and the store, its tournament and every file stay as they were.
// Otherwise the store switches to the new tournament, the page images are
// copied and whatever data the folder already holds is loaded.
[[nodiscard]] SaveResult startNextTournament(TournamentStore& store,
                                             const std::string& defaultImagesFolder);

} // namespace corvane

#pragma once
// Reopening an archived tournament from a file chosen inside its folder.
#include "store/TournamentStore.h"

#include <string>

namespace corvane {

// The name of the tournament folder a chosen file lies in, or why there is none.
struct ArchivedFolder {
    std::string name;
    std::string error; // a sentence for the organiser; empty when `name` is good
    bool ok() const { return error.empty(); }
};

// The folder directly inside `workingDirectory` that holds `chosenFile`, at any
// depth below it. Judged by the paths' components: a file elsewhere, or one
// lying directly in the working directory, has no tournament folder.
[[nodiscard]] ArchivedFolder archivedFolderOf(const std::string& workingDirectory,
                                              const std::string& chosenFile);

// Sets the store's tournament folder. False, and nothing changes, unless the
// name is one folder name: not empty, not "." or "..", without a separator.
[[nodiscard]] bool setTournamentFolder(TournamentStore& store, const std::string& folderName);

// Replaces the store's contents with the data of the tournament folder that
// holds `chosenFile`. On an error in the choice nothing changes; a data file
// that cannot be read is named in `error`, and the store then writes nothing.
// The tournament number and tournament.dat are never touched.
[[nodiscard]] ArchivedFolder loadArchivedTournament(TournamentStore& store,
                                                    const std::string& chosenFile);

} // namespace corvane

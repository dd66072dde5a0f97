// What the store knows of the files on disk: which version it last read or
// wrote, and whether a read was refused. Saves are judged by both, so a file
// changed behind the program's back, or one it could not read, is never
// overwritten with what it has in memory.
#include "store/FileFormat.h"
#include "store/TournamentStore.h"

namespace corvane {

void TournamentStore::noteRead(const std::string& path, const ReadResult& read) {
    const bool isDat = path == tournamentDatPath();
    std::optional<ReadResult>& refused = isDat ? refusedDat_ : refusedData_;
    if (read.refused()) {
        if (!refused) {
            refused = read;
        }
        knownVersions_.erase(path);
        return;
    }
    knownVersions_[path] = read.stamp();
}

SaveResult TournamentStore::checkBeforeSave(const std::string& path) const {
    // By address: copies of the two into a list are what GCC's optimiser then
    // takes for unset.
    for (const std::optional<ReadResult>* refused : {&refusedDat_, &refusedData_}) {
        if (refused->has_value()) {
            return SaveResult::failure(
                path, (*refused)->file() + " could not be read when the tournament was opened (" +
                          (*refused)->reason() +
                          "), so nothing is saved until the tournament is opened again with "
                          "that file readable");
        }
    }
    const auto known = knownVersions_.find(path);
    if (known != knownVersions_.end() && stampOf(path) != known->second) {
        return SaveResult::failure(
            path, "it was changed on disk since this program last read or saved it, so it was "
                  "not overwritten. Your change is kept in memory; to use the file as it is now, "
                  "open the tournament again (Tournament, Load Archived Tournament)");
    }
    return SaveResult::success();
}

void TournamentStore::noteSaved(const std::string& path, const SaveResult& saved) {
    if (saved.ok()) {
        knownVersions_[path] = stampOf(path);
    }
}

} // namespace corvane

#include "lifecycle/NewTournament.h"

#include <cstdint>
#include <filesystem>
#include <limits>
#include <system_error>

namespace corvane {
namespace fs = std::filesystem;

SaveResult createTournamentFolder(const std::string& folderPath) {
    std::error_code error;
    fs::create_directory(fs::path(folderPath), error);
    if (error) {
        return SaveResult::failure(folderPath, error.message());
    }
    if (!fs::is_directory(fs::path(folderPath), error)) {
        return SaveResult::failure(folderPath, "a file of that name is in the way");
    }
    return SaveResult::success();
}

void copyPageImages(const std::string& workingDirectory, const std::string& folderPath,
                    const std::string& defaultImagesFolder) {
    for (const char* name : {"title.jpg", "back.jpg"}) {
        std::error_code error;
        fs::path source = fs::path(workingDirectory) / name;
        if (!fs::is_regular_file(source, error) && !defaultImagesFolder.empty()) {
            source = fs::path(defaultImagesFolder) / name;
        }
        if (fs::is_regular_file(source, error)) {
            fs::copy_file(source, fs::path(folderPath) / name, fs::copy_options::overwrite_existing,
                          error);
        }
    }
}

SaveResult startNextTournament(TournamentStore& store, const std::string& defaultImagesFolder) {
    const std::int32_t previous = store.tournamentNumber;
    if (previous == std::numeric_limits<std::int32_t>::max()) {
        return SaveResult::failure(store.tournamentDatPath(),
                                   "the tournament number cannot go any higher");
    }
    const std::int32_t next = previous + 1;
    const std::string folderPath = store.workingDirectory + "/Tournament" + std::to_string(next);

    std::error_code error;
    const bool existed = fs::exists(fs::path(folderPath), error);
    if (SaveResult folder = createTournamentFolder(folderPath); !folder.ok()) {
        return folder;
    }
    store.tournamentNumber = next;
    if (SaveResult number = store.writeTournamentNumber(); !number.ok()) {
        store.tournamentNumber = previous;
        if (!existed) {
            fs::remove(fs::path(folderPath), error); // only an empty folder goes
        }
        return number;
    }

    store.clearAll();
    store.composeTournamentFolder();
    copyPageImages(store.workingDirectory, store.tournamentPath(), defaultImagesFolder);
    // A folder left from before (tournament.dat deleted by hand, say) keeps its
    // data: loading it now keeps the first new entry from overwriting it.
    store.loadAll();
    return SaveResult::success();
}

} // namespace corvane

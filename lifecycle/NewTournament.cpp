#include "lifecycle/NewTournament.h"

#include "store/FileFormat.h"
#include "store/FileSystem.h"
#include "store/RegularFile.h"

#include <cstdint>
#include <filesystem>
#include <limits>
#include <system_error>

namespace corvane {
namespace fs = std::filesystem;

SaveResult createTournamentFolder(const std::string& folderPath) {
    std::error_code error;
    fs::create_directory(os::pathOf(folderPath), error);
    if (error) {
        return SaveResult::failure(folderPath, error.message());
    }
    if (!fs::is_directory(os::pathOf(folderPath), error)) {
        return SaveResult::failure(folderPath, "a file of that name is in the way");
    }
    return SaveResult::success();
}

SaveResult startNextTournament(TournamentStore& store, const std::string& defaultImagesFolder) {
    // A tournament.dat that could not be read is read again first: mended by
    // hand it gives the number to follow; still unreadable, nothing is written.
    if (const auto refused = store.refusedRead();
        refused && refused->file() == store.tournamentDatPath()) {
        if (const ReadResult again = store.readTournamentNumber(store.workingDirectory);
            again.refused()) {
            return SaveResult::failure(again.file(), again.reason());
        }
    }
    const std::int32_t previous = store.tournamentNumber;
    if (previous == std::numeric_limits<std::int32_t>::max()) {
        return SaveResult::failure(store.tournamentDatPath(),
                                   "the tournament number cannot go any higher");
    }
    const std::int32_t next = previous + 1;
    const std::string folderPath =
        store.workingDirectory + "/" + fileformat::tournamentFolderName(next);

    std::error_code error;
    const bool existed = fs::exists(os::pathOf(folderPath), error);
    if (SaveResult folder = createTournamentFolder(folderPath); !folder.ok()) {
        return folder;
    }
    store.tournamentNumber = next;
    if (SaveResult number = store.writeTournamentNumber(); !number.ok()) {
        store.tournamentNumber = previous;
        if (!existed) {
            fs::remove(os::pathOf(folderPath), error); // only an empty folder goes
        }
        return number;
    }

    store.clearAll();
    store.composeTournamentFolder();
    copyPageImages(store.workingDirectory, store.tournamentPath(), defaultImagesFolder);
    // A folder left from before (tournament.dat deleted by hand, say) keeps its
    // data: loading it now keeps the first new entry from overwriting it.
    if (const ReadResult read = store.loadAll(); read.refused()) {
        return SaveResult::failure(read.file(), read.reason() + "; nothing of it is saved until "
                                                                "it is opened again readable");
    }
    return SaveResult::success();
}

} // namespace corvane

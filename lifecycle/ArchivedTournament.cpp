#include "lifecycle/ArchivedTournament.h"

#include "history/Transaction.h"
#include "store/FileSystem.h"

#include <filesystem>
#include <optional>
#include <system_error>
#include <vector>

namespace corvane {
namespace fs = std::filesystem;
namespace {

// The path's components after making it absolute and normal, without the
// empty one a trailing separator leaves.
std::vector<fs::path> components(const fs::path& path) {
    std::error_code error;
    fs::path absolute = fs::absolute(path, error);
    if (error) {
        absolute = path;
    }
    std::vector<fs::path> out;
    for (const fs::path& part : absolute.lexically_normal()) {
        if (!part.empty()) {
            out.push_back(part);
        }
    }
    return out;
}

// The first component below `root` when `file` lies at least one folder below it.
std::optional<std::string> folderBelow(const fs::path& root, const fs::path& file) {
    const auto rootParts = components(root);
    const auto fileParts = components(file);
    if (fileParts.size() < rootParts.size() + 2) {
        return std::nullopt;
    }
    for (std::size_t i = 0; i < rootParts.size(); ++i) {
        if (rootParts[i] != fileParts[i]) {
            return std::nullopt;
        }
    }
    return os::utf8Of(fileParts[rootParts.size()]);
}

bool isFolderName(const std::string& name) {
    return !name.empty() && name != "." && name != ".." &&
           name.find_first_of(std::string("/\\\0", 3)) == std::string::npos;
}

} // namespace

ArchivedFolder archivedFolderOf(const std::string& workingDirectory,
                                const std::string& chosenFile) {
    ArchivedFolder out;
    std::optional<std::string> name;
    if (!chosenFile.empty() && !workingDirectory.empty()) {
        name = folderBelow(os::pathOf(workingDirectory), os::pathOf(chosenFile));
        if (!name) {
            // The same places reached through symbolic links.
            std::error_code error;
            const fs::path root = fs::weakly_canonical(os::pathOf(workingDirectory), error);
            const fs::path file =
                error ? fs::path() : fs::weakly_canonical(os::pathOf(chosenFile), error);
            if (!error) {
                name = folderBelow(root, file);
            }
        }
    }
    std::error_code error;
    if (name && isFolderName(*name) &&
        fs::is_directory(os::pathOf(workingDirectory) / os::pathOf(*name), error)) {
        out.name = *name;
    } else {
        out.error = "The chosen file does not lie in a tournament folder of " + workingDirectory +
                    ". Nothing was loaded.";
    }
    return out;
}

bool setTournamentFolder(TournamentStore& store, const std::string& folderName) {
    if (!isFolderName(folderName)) {
        return false;
    }
    store.tournamentFolder = folderName;
    return true;
}

ArchivedFolder loadArchivedTournament(TournamentStore& store, const std::string& chosenFile) {
    ArchivedFolder folder = archivedFolderOf(store.workingDirectory, chosenFile);
    if (!folder.ok()) {
        return folder;
    }
    if (!setTournamentFolder(store, folder.name)) {
        folder.error = "The folder name " + folder.name + " cannot name a tournament.";
        return folder;
    }
    store.clearAll();
    history::finishInterruptedChange(store);
    if (const ReadResult read = store.loadAll(); read.refused()) {
        folder.error = read.openingMessage();
    }
    return folder;
}

} // namespace corvane

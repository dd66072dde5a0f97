#include "history/Restore.h"

#include "store/Backups.h"
#include "store/FileSystem.h"
#include "store/RegularFile.h"
#include "store/TextLines.h"

#include <filesystem>

namespace corvane::history {

namespace {

namespace fs = std::filesystem;

constexpr std::int64_t maxRestoreBytes = maxTextFileBytes;

// Reads the version in `folder` as the program would open it, and says what
// keeps it from being a tournament that once stood: a file that does not
// read, one cut off in the middle of a line, a game of a team it does not hold.
void checkVersion(TournamentVersion& version) {
    TournamentStore scratch;
    const fs::path folder = os::pathOf(version.folder);
    scratch.workingDirectory = os::utf8Of(folder.parent_path());
    scratch.tournamentFolder = os::utf8Of(folder.filename());
    for (ReadResult (TournamentStore::*reader)() :
         {&TournamentStore::readPlayers, &TournamentStore::readTeams,
          &TournamentStore::readGames}) {
        if (const ReadResult read = (scratch.*reader)(); read.refused()) {
            version.damage = read.message();
            return;
        }
    }
    for (std::string_view name : TournamentStore::dataFileNames) {
        std::string bytes;
        const std::string path = scratch.filePath(name);
        if (!readRegularFile(path, bytes, maxRestoreBytes).refused() && !bytes.empty() &&
            bytes.back() != '\n' && bytes.back() != '\r') {
            version.damage = std::string(name) + " ends in the middle of a line";
            return;
        }
    }
    std::size_t number = 0;
    for (const GameRecord& game : scratch.games()) {
        ++number;
        if (scratch.findTeam(game.team1Name) == nullptr ||
            scratch.findTeam(game.team2Name) == nullptr) {
            version.damage = "game " + std::to_string(number) + " names a team it does not hold";
            return;
        }
    }
    version.counts = {scratch.players().size(), scratch.teams().size(), scratch.games().size()};
}

// The version folder all of `files` lie in, when they are a version's own files.
std::optional<fs::path> versionFolderOf(const TournamentStore& store,
                                        const std::array<std::string, 3>& files) {
    std::optional<fs::path> folder;
    for (std::size_t i = 0; i < files.size(); ++i) {
        if (files[i].empty()) {
            continue;
        }
        const fs::path path = os::pathOf(absoluteInFolder(store, files[i]));
        if (path.filename() != TournamentStore::dataFileNames[i] ||
            (folder && *folder != path.parent_path())) {
            return std::nullopt;
        }
        folder = path.parent_path();
    }
    return folder;
}

} // namespace

std::string relativeToFolder(const TournamentStore& store, const std::string& path) {
    const std::u8string inFolder =
        os::pathOf(path).lexically_relative(os::pathOf(store.tournamentPath())).generic_u8string();
    return std::string(inFolder.begin(), inFolder.end());
}

std::string absoluteInFolder(const TournamentStore& store, const std::string& path) {
    return os::utf8Of(os::pathOf(store.tournamentPath()) / os::pathOf(path));
}

std::vector<TournamentVersion> listVersions(const TournamentStore& store, std::size_t most) {
    const std::vector<KeptVersion> kept = listKeptVersions(store.tournamentPath());
    std::vector<TournamentVersion> versions;
    for (auto it = kept.rbegin(); it != kept.rend() && versions.size() < most; ++it) {
        TournamentVersion version{it->moment, localMoment(it->moment), it->folder, {}, {}};
        checkVersion(version);
        versions.push_back(std::move(version));
    }
    return versions;
}

std::array<std::size_t, 3> currentCounts(const TournamentStore& store) {
    return {store.players().size(), store.teams().size(), store.games().size()};
}

RestoreFiles restoreOf(const TournamentStore& store, const TournamentVersion& version) {
    RestoreFiles change{version.when, {}};
    for (std::size_t i = 0; i < change.files.size(); ++i) {
        const fs::path path = os::pathOf(version.folder) / TournamentStore::dataFileNames[i];
        std::error_code error;
        if (fs::exists(fs::symlink_status(path, error))) {
            change.files[i] = relativeToFolder(store, os::utf8Of(path));
        }
    }
    return change;
}

SaveResult stageRestore(TournamentStore& store, const RestoreFiles& change) {
    if (const auto folder = versionFolderOf(store, change.files)) {
        TournamentVersion version{{}, change.when, os::utf8Of(*folder), {}, {}};
        checkVersion(version);
        if (!version.damage.empty()) {
            return SaveResult::failure(os::utf8Of(*folder),
                                       "this version is damaged: " + version.damage);
        }
    }
    for (std::size_t i = 0; i < change.files.size(); ++i) {
        std::string contents;
        if (!change.files[i].empty()) {
            const std::string source = absoluteInFolder(store, change.files[i]);
            const ReadResult read = readRegularFile(source, contents, maxRestoreBytes);
            if (read.refused() || !read.stamp().exists) {
                return SaveResult::failure(source, read.refused() ? read.reason()
                                                                  : "the kept version is gone");
            }
        }
        const std::string target = store.filePath(TournamentStore::dataFileNames[i]);
        if (SaveResult staged = store.stageFile(target, contents); !staged.ok()) {
            return staged;
        }
    }
    return SaveResult::success();
}

} // namespace corvane::history

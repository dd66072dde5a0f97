#include "history/Restore.h"

#include "store/Backups.h"
#include "store/FileFormat.h"
#include "store/FileSystem.h"
#include "store/RegularFile.h"
#include "store/TextLines.h"

#include <algorithm>
#include <filesystem>

namespace corvane::history {

namespace {

namespace fs = std::filesystem;

constexpr std::array<std::string_view, 3> recordKeys{fileformat::playerKey, fileformat::teamKey,
                                                     fileformat::gameKey};
constexpr std::int64_t maxRestoreBytes = maxTextFileBytes;

// The records a data file holds, counted as the readers count them.
std::size_t countRecords(const std::string& path, std::string_view key) {
    std::size_t count = 0;
    (void)forEachTextLine(
        path, [&](std::string_view line) { count += fileformat::contains(line, key) ? 1 : 0; });
    return count;
}

// Paths are kept relative to the tournament folder, so a moved folder keeps them,
// and with '/' between folders, so a journal written on Windows reads elsewhere.
std::string relative(const TournamentStore& store, const std::string& path) {
    if (path.empty()) {
        return std::string();
    }
    const std::u8string inFolder =
        os::pathOf(path).lexically_relative(os::pathOf(store.tournamentPath())).generic_u8string();
    return std::string(inFolder.begin(), inFolder.end());
}

std::string absolute(const TournamentStore& store, const std::string& path) {
    return path.empty() ? std::string()
                        : os::utf8Of(os::pathOf(store.tournamentPath()) / os::pathOf(path));
}

// Writes the three files held at `sources` (empty: no file, written empty).
SaveResult putInPlace(TournamentStore& store, const std::array<std::string, 3>& sources,
                      std::array<std::string, 3>& kept) {
    std::array<std::string, 3> contents;
    for (std::size_t i = 0; i < sources.size(); ++i) {
        if (sources[i].empty()) {
            continue;
        }
        const ReadResult read = readRegularFile(sources[i], contents[i], maxRestoreBytes);
        if (read.refused() || !read.stamp().exists) {
            return SaveResult::failure(sources[i],
                                       read.refused() ? read.reason() : "the kept version is gone");
        }
    }
    return store.replaceDataFiles(contents, kept);
}

} // namespace

std::vector<TournamentVersion> listVersions(const TournamentStore& store, std::size_t most) {
    const std::vector<BackupVersion> backups = listBackups(store.tournamentPath());
    std::vector<TournamentVersion> versions;
    // Newest first; each backup is its file as it stood until that moment.
    for (auto it = backups.rbegin(); it != backups.rend() && versions.size() < most; ++it) {
        TournamentVersion version;
        version.moment = it->moment;
        version.when = localMoment(it->moment);
        for (std::size_t i = 0; i < TournamentStore::dataFileNames.size(); ++i) {
            const std::string name(TournamentStore::dataFileNames[i]);
            // The file as it stood then: its first backup from that moment on, or
            // the file itself when it was not replaced since.
            const auto later = std::find_if(backups.begin(), backups.end(), [&](const auto& b) {
                return b.file == name && b.moment >= it->moment;
            });
            version.files[i] = later != backups.end() ? later->path : store.filePath(name);
            version.counts[i] = countRecords(version.files[i], recordKeys[i]);
        }
        versions.push_back(std::move(version));
    }
    return versions;
}

std::array<std::size_t, 3> currentCounts(const TournamentStore& store) {
    return {store.players().size(), store.teams().size(), store.games().size()};
}

StepResult restoreVersion(TournamentStore& store, const TournamentVersion& version) {
    StepResult result;
    result.label = "Restore Backup " + version.when;
    // A file of the version that is the present file is kept by the restore's own backup.
    std::array<std::string, 3> kept;
    std::array<std::string, 3> sources = version.files;
    for (std::string& source : sources) {
        if (!fs::exists(os::pathOf(source))) {
            source.clear();
        }
    }
    std::array<std::string, 3> before = {store.filePath(TournamentStore::dataFileNames[0]),
                                         store.filePath(TournamentStore::dataFileNames[1]),
                                         store.filePath(TournamentStore::dataFileNames[2])};
    if (SaveResult saved = putInPlace(store, sources, kept); !saved.ok()) {
        result.problem = saved.message();
        result.done = true;
        return result;
    }
    result.done = true;
    std::vector<std::string> fields{version.when};
    for (std::size_t i = 0; i < sources.size(); ++i) {
        fields.push_back(relative(store, sources[i] == before[i] ? kept[i] : sources[i]));
    }
    for (const std::string& path : kept) {
        fields.push_back(relative(store, path));
    }
    if (SaveResult journaled = record(store, noted(store, restoreAction, std::move(fields)));
        !journaled.ok()) {
        result.problem = journaled.message();
    }
    return result;
}

std::string replayRestore(TournamentStore& store, const JournalLine& line, bool forward) {
    constexpr std::size_t fieldCount = 7;
    if (line.fields.size() != fieldCount) {
        return "the journal line of this restore is incomplete";
    }
    const std::size_t from = forward ? 1 : 4;
    std::array<std::string, 3> sources;
    for (std::size_t i = 0; i < sources.size(); ++i) {
        sources[i] = absolute(store, line.fields[from + i]);
    }
    std::array<std::string, 3> kept;
    const SaveResult saved = putInPlace(store, sources, kept);
    return saved.ok() ? std::string() : saved.message();
}

} // namespace corvane::history

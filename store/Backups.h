#pragma once
// Earlier versions of the data files, kept in the tournament folder's backups
// folder whenever a file is replaced: the last 50 of each file and the last of
// each day, each named after the file and the moment it was replaced.
#include "store/SaveResult.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace corvane {

inline constexpr std::string_view backupsFolderName = "backups";
inline constexpr std::size_t backupsKeptPerFile = 50;

struct BackupVersion {
    std::string file;   // "players.txt"
    std::string moment; // when it was replaced, UTC: "2026-12-07T12-37-29.123456Z"
    std::string path;   // where the version is kept
};

// Keeps the file at `path` as it is now (if it exists) in the backups folder
// beside it, by a hard link where the file system has them and a copy where it
// has not, then drops the versions beyond the rule. Says why when it cannot;
// `kept`, if given, receives the version's path (empty when there was no file).
SaveResult keepPreviousVersion(const std::string& path, std::string* kept = nullptr);

// The kept versions of the files in `tournamentFolder`, oldest first.
std::vector<BackupVersion> listBackups(const std::string& tournamentFolder);

// "2026-12-07 13:37:29" in the machine's time zone, for a version's moment.
std::string localMoment(std::string_view moment);

} // namespace corvane

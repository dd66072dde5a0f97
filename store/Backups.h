#pragma once
// Earlier versions of the tournament, kept in the tournament folder's backups
// folder before every change: each version is a folder holding the data files
// exactly as they stood together at that moment (hard links where the file
// system has them, copies where not). The last 50 versions are kept, and the
// last of each day before them.
#include "store/SaveResult.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace corvane {

inline constexpr std::string_view backupsFolderName = "backups";
inline constexpr std::size_t versionsKept = 50;

struct KeptVersion {
    std::uint64_t sequence = 0; // in the order kept, whatever the clock said
    std::string moment;         // when it was kept, UTC: "2026-12-07T12-37-29.123456Z"
    std::string folder;         // where its files are
};

// Keeps the files `fileNames` of `tournamentFolder` (those that exist) as they
// are now, as one version, then drops the versions beyond the rule. A backups
// folder that is not a plain folder (a link, a file) is never written through:
// the failure says so. `kept`, if given, receives the new version.
SaveResult keepVersion(const std::string& tournamentFolder,
                       std::span<const std::string_view> fileNames, KeptVersion* kept = nullptr);

// The versions kept in `tournamentFolder`, oldest first.
std::vector<KeptVersion> listKeptVersions(const std::string& tournamentFolder);

// "2026-12-07 13:37:29" in the machine's time zone, for a version's moment.
std::string localMoment(std::string_view moment);

} // namespace corvane

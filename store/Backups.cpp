#include "store/Backups.h"

#include "store/AtomicFile.h"
#include "store/FileSystem.h"
#include "store/RegularFile.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <map>
#include <optional>
#include <system_error>

namespace corvane {

namespace fs = std::filesystem;

namespace {

// "2026-12-07T12-37-29.123456Z": sorts as it happened, and is a plain file name.
constexpr std::size_t momentLength = 27;
constexpr std::size_t dayLength = 10;
constexpr std::int64_t maxBackupBytes = std::int64_t{1} << 30;

// Now, in microseconds, never twice the same in this process: each version
// gets a name of its own even when saves follow each other at once.
std::string momentNow() {
    using namespace std::chrono;
    static std::int64_t last = 0;
    std::int64_t now = duration_cast<microseconds>(system_clock::now().time_since_epoch()).count();
    now = std::max(now, last + 1);
    last = now;
    constexpr std::int64_t perSecond = 1'000'000;
    const auto seconds = static_cast<std::time_t>(now / perSecond);
    const auto micro = now % perSecond;
    std::tm utc{};
    os::utcTime(seconds, utc);
    char text[40];
    std::strftime(text, sizeof text, "%Y-%m-%dT%H-%M-%S", &utc);
    char fraction[16];
    std::snprintf(fraction, sizeof fraction, ".%06lldZ", static_cast<long long>(micro));
    return std::string(text) + fraction;
}

constexpr std::size_t sequenceDigits = 8;
constexpr std::string_view newVersionPrefix = ".new-";

// "00000042-2026-12-07T12-37-29.123456Z": the sequence orders the versions
// even when the clock was set back.
std::string versionName(std::uint64_t sequence, const std::string& moment) {
    std::string digits = std::to_string(sequence);
    digits.insert(0, sequenceDigits > digits.size() ? sequenceDigits - digits.size() : 0, '0');
    return digits + "-" + moment;
}

// The version a folder's name stands for; nothing for any other name.
std::optional<KeptVersion> parseVersion(const fs::path& path) {
    const std::string name = os::utf8Of(path.filename());
    if (name.size() != sequenceDigits + 1 + momentLength || name[sequenceDigits] != '-' ||
        name.back() != 'Z') {
        return std::nullopt;
    }
    std::uint64_t sequence = 0;
    for (std::size_t i = 0; i < sequenceDigits; ++i) {
        if (name[i] < '0' || name[i] > '9') {
            return std::nullopt;
        }
        sequence = sequence * 10 + static_cast<std::uint64_t>(name[i] - '0');
    }
    return KeptVersion{sequence, name.substr(sequenceDigits + 1), os::utf8Of(path)};
}

// A link costs no copying; a file system without links (FAT) gets a copy.
SaveResult keepFile(const fs::path& file, const fs::path& version) {
    std::error_code error;
    fs::create_hard_link(file, version, error);
    if (!error) {
        return SaveResult::success();
    }
    std::string bytes;
    const ReadResult read = readRegularFile(os::utf8Of(file), bytes, maxBackupBytes);
    if (read.refused()) {
        return SaveResult::failure(os::utf8Of(version), read.reason());
    }
    return writeFileAtomically(os::utf8Of(version), bytes);
}

// Keeps the newest `versionsKept` versions, and the newest of each day before them.
void dropOldVersions(const std::vector<KeptVersion>& versions) {
    if (versions.size() <= versionsKept) {
        return;
    }
    std::map<std::string, std::size_t> newestOfDay;
    for (std::size_t i = 0; i < versions.size(); ++i) {
        newestOfDay[versions[i].moment.substr(0, dayLength)] = i;
    }
    for (std::size_t i = 0; i + versionsKept < versions.size(); ++i) {
        if (newestOfDay[versions[i].moment.substr(0, dayLength)] != i) {
            std::error_code ignored;
            fs::remove_all(os::pathOf(versions[i].folder), ignored);
        }
    }
}

// The backups folder, made if missing; never one reached through a link.
SaveResult backupsFolder(const fs::path& folder) {
    std::error_code error;
    const fs::file_status status = fs::symlink_status(folder, error);
    if (status.type() == fs::file_type::not_found) {
        fs::create_directory(folder, error);
        return error ? SaveResult::failure(os::utf8Of(folder), error.message())
                     : SaveResult::success();
    }
    if (status.type() != fs::file_type::directory) {
        return SaveResult::failure(os::utf8Of(folder),
                                   "it is not a plain folder (a link or a file stands in its "
                                   "place), so no earlier versions are kept. Move it away and "
                                   "the program makes a new one");
    }
    return SaveResult::success();
}

} // namespace

SaveResult keepVersion(const std::string& tournamentFolder,
                       std::span<const std::string_view> fileNames, KeptVersion* kept) {
    const fs::path folder = os::pathOf(tournamentFolder) / backupsFolderName;
    if (SaveResult made = backupsFolder(folder); !made.ok()) {
        return made;
    }
    std::vector<KeptVersion> versions = listKeptVersions(tournamentFolder);
    const std::uint64_t sequence = versions.empty() ? 1 : versions.back().sequence + 1;
    const std::string moment = momentNow();
    // Made under a name no listing takes, and put in place whole.
    const fs::path building =
        folder / (std::string(newVersionPrefix) + versionName(sequence, moment));
    std::error_code error;
    fs::remove_all(building, error);
    if (!fs::create_directory(building, error)) {
        return SaveResult::failure(os::utf8Of(building), error.message());
    }
    for (std::string_view name : fileNames) {
        const fs::path file = os::pathOf(tournamentFolder) / name;
        if (!fs::is_regular_file(fs::symlink_status(file, error))) {
            continue;
        }
        if (SaveResult saved = keepFile(file, building / name); !saved.ok()) {
            fs::remove_all(building, error);
            return saved;
        }
    }
    const fs::path version = folder / versionName(sequence, moment);
    fs::rename(building, version, error);
    if (error) {
        fs::remove_all(building, error);
        return SaveResult::failure(os::utf8Of(version), error.message());
    }
    versions.push_back({sequence, moment, os::utf8Of(version)});
    if (kept != nullptr) {
        *kept = versions.back();
    }
    dropOldVersions(versions);
    return SaveResult::success();
}

std::vector<KeptVersion> listKeptVersions(const std::string& tournamentFolder) {
    std::vector<KeptVersion> versions;
    const fs::path folder = os::pathOf(tournamentFolder) / backupsFolderName;
    std::error_code error;
    if (fs::symlink_status(folder, error).type() != fs::file_type::directory) {
        return versions;
    }
    for (const auto& entry : fs::directory_iterator(folder, error)) {
        if (std::optional<KeptVersion> version = parseVersion(entry.path())) {
            versions.push_back(std::move(*version));
        }
    }
    std::sort(versions.begin(), versions.end(),
              [](const KeptVersion& a, const KeptVersion& b) { return a.sequence < b.sequence; });
    return versions;
}

std::string localMoment(std::string_view moment) {
    std::tm utc{};
    if (moment.size() < momentLength ||
        std::sscanf(std::string(moment).c_str(), "%4d-%2d-%2dT%2d-%2d-%2d", &utc.tm_year,
                    &utc.tm_mon, &utc.tm_mday, &utc.tm_hour, &utc.tm_min, &utc.tm_sec) != 6) {
        return std::string(moment);
    }
    utc.tm_year -= 1900;
    utc.tm_mon -= 1;
    const std::time_t seconds = os::fromUtcTime(utc);
    std::tm local{};
    os::localTime(seconds, local);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &local);
    return text;
}

} // namespace corvane

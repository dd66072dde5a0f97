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
#include <system_error>

namespace corvane {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view momentSeparator = ".";
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

// The file and moment of a backup's name; empty for any other name.
BackupVersion parse(const fs::path& path) {
    const std::string name = os::utf8Of(path.filename());
    if (name.size() <= momentLength + momentSeparator.size()) {
        return {};
    }
    const std::size_t split = name.size() - momentLength;
    if (name.substr(split - momentSeparator.size(), momentSeparator.size()) != momentSeparator ||
        name.back() != 'Z') {
        return {};
    }
    return {name.substr(0, split - momentSeparator.size()), name.substr(split), os::utf8Of(path)};
}

// Keeps the newest `backupsKeptPerFile` versions of `file`, and the newest of
// each day before them.
void dropOldVersions(const fs::path& folder, const std::string& file) {
    std::vector<BackupVersion> versions;
    for (const BackupVersion& version : listBackups(os::utf8Of(folder.parent_path()))) {
        if (version.file == file) {
            versions.push_back(version);
        }
    }
    if (versions.size() <= backupsKeptPerFile) {
        return;
    }
    std::map<std::string, std::size_t> newestOfDay;
    for (std::size_t i = 0; i < versions.size(); ++i) {
        newestOfDay[versions[i].moment.substr(0, dayLength)] = i;
    }
    for (std::size_t i = 0; i + backupsKeptPerFile < versions.size(); ++i) {
        if (newestOfDay[versions[i].moment.substr(0, dayLength)] != i) {
            std::error_code ignored;
            fs::remove(os::pathOf(versions[i].path), ignored);
        }
    }
}

} // namespace

SaveResult keepPreviousVersion(const std::string& path, std::string* kept) {
    const fs::path file = os::pathOf(path);
    std::error_code error;
    if (!fs::is_regular_file(file, error)) {
        return SaveResult::success(); // nothing yet to keep
    }
    const fs::path folder = file.parent_path() / backupsFolderName;
    fs::create_directory(folder, error);
    const std::string fileName = os::utf8Of(file.filename());
    const std::string version =
        os::utf8Of(folder / os::pathOf(fileName + std::string(momentSeparator) + momentNow()));
    // A link costs no copying; a file system without links (FAT) gets a copy.
    if (os::linkFile(path, version) != 0) {
        std::string bytes;
        const ReadResult read = readRegularFile(path, bytes, maxBackupBytes);
        if (read.refused()) {
            return SaveResult::failure(version, read.reason());
        }
        if (SaveResult copied = writeFileAtomically(version, bytes); !copied.ok()) {
            return copied;
        }
    }
    if (kept != nullptr) {
        *kept = version;
    }
    dropOldVersions(folder, fileName);
    return SaveResult::success();
}

std::vector<BackupVersion> listBackups(const std::string& tournamentFolder) {
    std::vector<BackupVersion> versions;
    std::error_code error;
    for (const auto& entry :
         fs::directory_iterator(os::pathOf(tournamentFolder) / backupsFolderName, error)) {
        if (BackupVersion version = parse(entry.path()); !version.file.empty()) {
            versions.push_back(std::move(version));
        }
    }
    std::sort(versions.begin(), versions.end(), [](const BackupVersion& a, const BackupVersion& b) {
        return a.moment != b.moment ? a.moment < b.moment : a.file < b.file;
    });
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

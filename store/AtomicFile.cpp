#include "store/AtomicFile.h"

#include "store/FileSystem.h"

#include <atomic>
#include <string>

namespace corvane {
namespace {

std::string systemReason(int error) {
    return os::errorText(error);
}

std::string folderOf(const std::string& path) {
    const auto slash = path.find_last_of(os::pathSeparators);
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

constexpr std::string_view temporaryMark = ".tmp";

// A name no other writer uses: the process id and a counter keep two saves of
// the same file apart, O_EXCL below keeps us off a stranger's file.
// ".<name>.tmp<pid>-<counter>-<attempt>"
std::string temporaryName(const std::string& path, unsigned attempt) {
    static std::atomic<unsigned> counter{0};
    const auto slash = path.find_last_of(os::pathSeparators);
    const std::string base = slash == std::string::npos ? path : path.substr(slash + 1);
    const std::string folder =
        slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
    return folder + "." + base + std::string(temporaryMark) + std::to_string(os::processId()) +
           "-" + std::to_string(counter++) + "-" + std::to_string(attempt);
}

// The file and the writer's process id of a temporary name; pid 0 for any other name.
std::pair<std::string_view, std::int64_t> parseTemporaryName(std::string_view name) {
    const auto mark = name.rfind(temporaryMark);
    if (!name.starts_with('.') || mark == std::string_view::npos || mark < 2) {
        return {{}, 0};
    }
    std::string_view rest = name.substr(mark + temporaryMark.size());
    std::int64_t pid = 0;
    std::size_t digits = 0;
    while (digits < rest.size() && rest[digits] >= '0' && rest[digits] <= '9' &&
           pid < std::int64_t{1} << 40) {
        pid = pid * 10 + (rest[digits] - '0');
        ++digits;
    }
    // Then "-<counter>-<attempt>", digits only.
    int dashes = 0;
    for (std::size_t i = digits; i < rest.size(); ++i) {
        if (rest[i] == '-') {
            ++dashes;
        } else if (rest[i] < '0' || rest[i] > '9') {
            return {{}, 0};
        }
    }
    if (digits == 0 || dashes != 2) {
        return {{}, 0};
    }
    return {name.substr(1, mark - 1), pid};
}

os::FileHandle createTemporary(const std::string& path, std::string& tempPath, int& error) {
    for (unsigned attempt = 0; attempt < 100; ++attempt) {
        tempPath = temporaryName(path, attempt);
        const os::FileHandle fd = os::createNewFile(tempPath);
        error = fd == os::noFile ? os::lastError() : 0;
        if (fd != os::noFile || !os::isTaken(error)) {
            return fd;
        }
    }
    return os::noFile;
}

} // namespace

AtomicFileWriter::AtomicFileWriter(std::string path, Durability durability)
    : path_(std::move(path)), durability_(durability) {
    fd_ = createTemporary(path_, tempPath_, error_);
    if (fd_ == os::noFile) {
        return;
    }
    // A replaced file keeps its permissions; a new one gets the umask's.
    error_ = os::keepPermissions(path_, fd_);
}

AtomicFileWriter::~AtomicFileWriter() {
    if (fd_ != os::noFile) {
        (void)os::closeFile(fd_);
        (void)os::removeFile(tempPath_);
    }
}

void AtomicFileWriter::write(std::string_view piece) {
    while (error_ == 0 && !piece.empty()) {
        const std::int64_t n = os::writeSome(fd_, piece);
        if (n < 0) {
            error_ = os::lastError();
            continue;
        }
        piece.remove_prefix(static_cast<std::size_t>(n));
    }
}

SaveResult AtomicFileWriter::commit() {
    if (fd_ == os::noFile) {
        return SaveResult::failure(path_, error_ != 0 ? systemReason(error_)
                                                      : "it was saved already by this writer");
    }
    if (error_ == 0 && durability_ == Durability::synced) {
        error_ = os::syncFile(fd_);
    }
    // close reports what a delayed write could not do, so it is checked too.
    if (const int closed = os::closeFile(fd_); closed != 0 && error_ == 0) {
        error_ = closed;
    }
    fd_ = os::noFile;
    if (error_ == 0) {
        error_ = os::replaceFile(tempPath_, path_);
    }
    if (error_ != 0) {
        (void)os::removeFile(tempPath_);
        return SaveResult::failure(path_, systemReason(error_));
    }
    if (durability_ == Durability::synced) {
        error_ = os::syncFolder(folderOf(path_));
        if (error_ != 0) {
            return SaveResult::failure(path_, systemReason(error_));
        }
        const auto slash = path_.find_last_of(os::pathSeparators);
        removeLeftoverTemporaries(folderOf(path_),
                                  slash == std::string::npos ? path_ : path_.substr(slash + 1));
    }
    return SaveResult::success();
}

void removeLeftoverTemporaries(const std::string& folder, std::string_view fileName) {
    os::forEachName(folder, [&](const std::string& name) {
        const auto [file, pid] = parseTemporaryName(name);
        if (pid > 0 && (fileName.empty() || file == fileName) && !os::processRunning(pid)) {
            (void)os::removeFile(folder + "/" + name);
        }
    });
}

SaveResult syncFolderOf(const std::string& path) {
    const std::string folder = folderOf(path);
    const int error = os::syncFolder(folder);
    return error == 0 ? SaveResult::success() : SaveResult::failure(folder, systemReason(error));
}

SaveResult writeFileAtomically(const std::string& path, std::string_view contents) {
    AtomicFileWriter writer(path);
    writer.write(contents);
    return writer.commit();
}

} // namespace corvane

#include "store/AtomicFile.h"

#include <atomic>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace corvane {
namespace {

std::string systemReason(int error) {
    return std::strerror(error);
}

std::string folderOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
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
    const auto slash = path.find_last_of('/');
    const std::string base = slash == std::string::npos ? path : path.substr(slash + 1);
    const std::string folder =
        slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
    return folder + "." + base + std::string(temporaryMark) + std::to_string(::getpid()) + "-" +
           std::to_string(counter++) + "-" + std::to_string(attempt);
}

// The file and the writer's process id of a temporary name; pid 0 for any other name.
std::pair<std::string_view, long> parseTemporaryName(std::string_view name) {
    const auto mark = name.rfind(temporaryMark);
    if (!name.starts_with('.') || mark == std::string_view::npos || mark < 2) {
        return {{}, 0};
    }
    std::string_view rest = name.substr(mark + temporaryMark.size());
    long pid = 0;
    std::size_t digits = 0;
    while (digits < rest.size() && rest[digits] >= '0' && rest[digits] <= '9' && pid < 1L << 40) {
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

bool processRunning(long pid) {
    return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno != ESRCH;
}

int createTemporary(const std::string& path, std::string& tempPath) {
    for (unsigned attempt = 0; attempt < 100; ++attempt) {
        tempPath = temporaryName(path, attempt);
        const int fd = ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    errno = EEXIST;
    return -1;
}

// Makes the rename itself durable. File systems that cannot sync a folder say
// EINVAL; the rename is then as safe as they make it.
int syncFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        return errno;
    }
    int error = 0;
    if (::fsync(fd) != 0 && errno != EINVAL) {
        error = errno;
    }
    ::close(fd);
    return error;
}

} // namespace

AtomicFileWriter::AtomicFileWriter(std::string path, Durability durability)
    : path_(std::move(path)), durability_(durability) {
    fd_ = createTemporary(path_, tempPath_);
    if (fd_ < 0) {
        error_ = errno;
        return;
    }
    // A replaced file keeps its permissions; a new one gets the umask's.
    struct stat old {};
    if (::stat(path_.c_str(), &old) == 0 && ::fchmod(fd_, old.st_mode & 07777) != 0) {
        error_ = errno;
    }
}

AtomicFileWriter::~AtomicFileWriter() {
    if (fd_ >= 0) {
        ::close(fd_);
        ::unlink(tempPath_.c_str());
    }
}

void AtomicFileWriter::write(std::string_view piece) {
    while (error_ == 0 && !piece.empty()) {
        const ssize_t n = ::write(fd_, piece.data(), piece.size());
        if (n < 0) {
            if (errno != EINTR) {
                error_ = errno;
            }
            continue;
        }
        piece.remove_prefix(static_cast<std::size_t>(n));
    }
}

SaveResult AtomicFileWriter::commit() {
    if (fd_ < 0) {
        return SaveResult::failure(path_, systemReason(error_ != 0 ? error_ : EBADF));
    }
    if (error_ == 0 && durability_ == Durability::synced && ::fsync(fd_) != 0) {
        error_ = errno;
    }
    // close reports what a delayed write could not do, so it is checked too.
    if (::close(fd_) != 0 && error_ == 0) {
        error_ = errno;
    }
    fd_ = -1;
    if (error_ == 0 && ::rename(tempPath_.c_str(), path_.c_str()) != 0) {
        error_ = errno;
    }
    if (error_ != 0) {
        ::unlink(tempPath_.c_str());
        return SaveResult::failure(path_, systemReason(error_));
    }
    if (durability_ == Durability::synced) {
        error_ = syncFolder(folderOf(path_));
        if (error_ != 0) {
            return SaveResult::failure(path_, systemReason(error_));
        }
        const auto slash = path_.find_last_of('/');
        removeLeftoverTemporaries(folderOf(path_),
                                  slash == std::string::npos ? path_ : path_.substr(slash + 1));
    }
    return SaveResult::success();
}

void removeLeftoverTemporaries(const std::string& folder, std::string_view fileName) {
    DIR* listing = ::opendir(folder.c_str());
    if (listing == nullptr) {
        return;
    }
    while (const dirent* entry = ::readdir(listing)) {
        const auto [file, pid] = parseTemporaryName(entry->d_name);
        if (pid > 0 && (fileName.empty() || file == fileName) && !processRunning(pid)) {
            ::unlinkat(::dirfd(listing), entry->d_name, 0);
        }
    }
    ::closedir(listing);
}

SaveResult syncFolderOf(const std::string& path) {
    const std::string folder = folderOf(path);
    const int error = syncFolder(folder);
    return error == 0 ? SaveResult::success() : SaveResult::failure(folder, systemReason(error));
}

SaveResult writeFileAtomically(const std::string& path, std::string_view contents) {
    AtomicFileWriter writer(path);
    writer.write(contents);
    return writer.commit();
}

} // namespace corvane

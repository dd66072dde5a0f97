// The core's system calls on Linux and the other POSIX systems. Paths are
// bytes here, so UTF-8 goes to the system as it is.
#include "store/FileSystem.h"

#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

namespace corvane::os {
namespace {

int descriptor(FileHandle file) {
    return static_cast<int>(file);
}

FileInfo infoFrom(const struct stat& status) {
    FileInfo info;
    info.kind = S_ISREG(status.st_mode)   ? FileKind::regular
                : S_ISDIR(status.st_mode) ? FileKind::folder
                                          : FileKind::other;
    FileStamp& stamp = info.stamp;
    stamp.exists = true;
    stamp.device = static_cast<std::uint64_t>(status.st_dev);
    stamp.inode = static_cast<std::uint64_t>(status.st_ino);
    stamp.size = static_cast<std::int64_t>(status.st_size);
    stamp.modifiedNs = static_cast<std::int64_t>(status.st_mtim.tv_sec) * 1'000'000'000 +
                       static_cast<std::int64_t>(status.st_mtim.tv_nsec);
    return info;
}

// A call interrupted by a signal is made again.
template <class Call> std::int64_t uninterrupted(Call call) {
    for (;;) {
        const ssize_t n = call();
        if (n >= 0 || errno != EINTR) {
            return n;
        }
    }
}

} // namespace

std::filesystem::path pathOf(std::string_view utf8) {
    return std::filesystem::path(std::string(utf8));
}

std::string utf8Of(const std::filesystem::path& path) {
    return path.string();
}

std::string_view textLineEnd() {
    return "\n";
}

int lastError() {
    return errno;
}

std::string errorText(int error) {
    return std::strerror(error);
}

bool isMissing(int error) {
    return error == ENOENT;
}

bool isTaken(int error) {
    return error == EEXIST;
}

std::int64_t processId() {
    return static_cast<std::int64_t>(::getpid());
}

bool processRunning(std::int64_t pid) {
    return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno != ESRCH;
}

FileHandle createNewFile(const std::string& path) {
    return ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
}

FileHandle openForReading(const std::string& path) {
    // Non-blocking, so a pipe in the file's place cannot hold the program up.
    return ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
}

FileHandle openForAppending(const std::string& path) {
    return ::open(path.c_str(), O_RDWR | O_APPEND | O_CREAT | O_CLOEXEC, 0666);
}

int closeFile(FileHandle file) {
    return ::close(descriptor(file)) == 0 ? 0 : errno;
}

std::int64_t writeSome(FileHandle file, std::string_view bytes) {
    return uninterrupted([&] { return ::write(descriptor(file), bytes.data(), bytes.size()); });
}

std::int64_t readSome(FileHandle file, char* into, std::size_t size) {
    return uninterrupted([&] { return ::read(descriptor(file), into, size); });
}

std::int64_t readAt(FileHandle file, char* into, std::size_t size, std::int64_t offset) {
    return uninterrupted([&] { return ::pread(descriptor(file), into, size, offset); });
}

int syncFile(FileHandle file) {
    return ::fsync(descriptor(file)) == 0 ? 0 : errno;
}

int syncFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        return errno;
    }
    // File systems that cannot sync a folder say EINVAL; the rename is then as
    // safe as they make it.
    int error = 0;
    if (::fsync(fd) != 0 && errno != EINVAL) {
        error = errno;
    }
    ::close(fd);
    return error;
}

bool infoOf(FileHandle file, FileInfo& info) {
    struct stat status {};
    if (::fstat(descriptor(file), &status) != 0) {
        return false;
    }
    info = infoFrom(status);
    return true;
}

bool infoOf(const std::string& path, FileInfo& info) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) {
        return false;
    }
    info = infoFrom(status);
    return true;
}

int keepPermissions(const std::string& model, FileHandle file) {
    struct stat old {};
    if (::stat(model.c_str(), &old) == 0 && ::fchmod(descriptor(file), old.st_mode & 07777) != 0) {
        return errno;
    }
    return 0;
}

int replaceFile(const std::string& from, const std::string& to) {
    return ::rename(from.c_str(), to.c_str()) == 0 ? 0 : errno;
}

int removeFile(const std::string& path) {
    return ::unlink(path.c_str()) == 0 ? 0 : errno;
}

int linkFile(const std::string& existing, const std::string& link) {
    return ::link(existing.c_str(), link.c_str()) == 0 ? 0 : errno;
}

void forEachName(const std::string& folder, const std::function<void(const std::string&)>& onName) {
    DIR* listing = ::opendir(folder.c_str());
    if (listing == nullptr) {
        return;
    }
    while (const dirent* entry = ::readdir(listing)) {
        const std::string_view name = entry->d_name;
        if (name != "." && name != "..") {
            onName(entry->d_name);
        }
    }
    ::closedir(listing);
}

void utcTime(std::time_t seconds, std::tm& utc) {
    ::gmtime_r(&seconds, &utc);
}

std::time_t fromUtcTime(std::tm& utc) {
    return ::timegm(&utc);
}

void localTime(std::time_t seconds, std::tm& local) {
    ::localtime_r(&seconds, &local);
}

} // namespace corvane::os

#include "store/RegularFile.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace corvane {
namespace {

FileStamp stampFrom(const struct stat& info) {
    FileStamp stamp;
    stamp.exists = true;
    stamp.device = static_cast<std::uint64_t>(info.st_dev);
    stamp.inode = static_cast<std::uint64_t>(info.st_ino);
    stamp.size = static_cast<std::int64_t>(info.st_size);
    stamp.modifiedNs = static_cast<std::int64_t>(info.st_mtim.tv_sec) * 1'000'000'000 +
                       static_cast<std::int64_t>(info.st_mtim.tv_nsec);
    return stamp;
}

// Closes the descriptor on every way out.
struct Descriptor {
    int fd;
    ~Descriptor() {
        if (fd >= 0) {
            ::close(fd);
        }
    }
};

} // namespace

FileStamp stampOf(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 ? stampFrom(info) : FileStamp{};
}

ReadResult readRegularFile(const std::string& path, std::string& contents, std::int64_t maxBytes) {
    contents.clear();
    // Non-blocking, so a pipe in the file's place cannot hold the program up.
    const Descriptor file{::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC)};
    if (file.fd < 0) {
        if (errno == ENOENT) {
            return ReadResult::missing();
        }
        return ReadResult::refused(path, std::strerror(errno));
    }
    struct stat info {};
    if (::fstat(file.fd, &info) != 0) {
        return ReadResult::refused(path, std::strerror(errno));
    }
    if (S_ISDIR(info.st_mode)) {
        return ReadResult::refused(path, "it is a folder, not a file");
    }
    if (!S_ISREG(info.st_mode)) {
        return ReadResult::refused(path, "it is a device, pipe or socket, not a file");
    }
    if (info.st_size > maxBytes) {
        return ReadResult::refused(path, "it is larger than the program reads (" +
                                             std::to_string(maxBytes >> 20) + " MiB)");
    }
    contents.resize(static_cast<std::size_t>(info.st_size));
    std::size_t done = 0;
    for (;;) {
        if (done == contents.size()) {
            // A file that grew while it was read: read on, within the limit.
            if (static_cast<std::int64_t>(contents.size()) >= maxBytes) {
                return ReadResult::refused(path, "it grew beyond the size the program reads");
            }
            contents.resize(contents.size() + 65536);
        }
        const ssize_t n = ::read(file.fd, contents.data() + done, contents.size() - done);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            // Half a file read would be saved back as the whole one.
            const int error = errno;
            contents.clear();
            return ReadResult::refused(path, std::strerror(error));
        }
        if (n == 0) {
            break;
        }
        done += static_cast<std::size_t>(n);
    }
    contents.resize(done);
    return ReadResult::read(stampFrom(info));
}

} // namespace corvane

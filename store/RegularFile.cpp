#include "store/RegularFile.h"

#include "store/FileSystem.h"

#include <memory>

namespace corvane {
namespace {

// Closes the descriptor on every way out.
struct Descriptor {
    os::FileHandle fd;
    ~Descriptor() {
        if (fd != os::noFile) {
            (void)os::closeFile(fd);
        }
    }
};

} // namespace

FileStamp stampOf(const std::string& path) {
    os::FileInfo info;
    return os::infoOf(path, info) ? info.stamp : FileStamp{};
}

ReadResult readRegularFile(const std::string& path, std::string& contents, std::int64_t maxBytes) {
    contents.clear();
    const Descriptor file{os::openForReading(path)};
    if (file.fd == os::noFile) {
        const int error = os::lastError();
        if (os::isMissing(error)) {
            return ReadResult::missing();
        }
        return ReadResult::refused(path, os::errorText(error));
    }
    os::FileInfo info;
    if (!os::infoOf(file.fd, info)) {
        return ReadResult::refused(path, os::errorText(os::lastError()));
    }
    if (info.kind == os::FileKind::folder) {
        return ReadResult::refused(path, "it is a folder, not a file");
    }
    if (info.kind != os::FileKind::regular) {
        return ReadResult::refused(path, "it is a device, pipe or socket, not a file");
    }
    if (info.stamp.size > maxBytes) {
        return ReadResult::refused(path, "it is larger than the program reads (" +
                                             std::to_string(maxBytes >> 20) + " MiB)");
    }
    contents.resize(static_cast<std::size_t>(info.stamp.size));
    std::size_t done = 0;
    for (;;) {
        if (done == contents.size()) {
            // A file that grew while it was read: read on, within the limit.
            if (static_cast<std::int64_t>(contents.size()) >= maxBytes) {
                return ReadResult::refused(path, "it grew beyond the size the program reads");
            }
            contents.resize(contents.size() + 65536);
        }
        const std::int64_t n =
            os::readSome(file.fd, contents.data() + done, contents.size() - done);
        if (n < 0) {
            // Half a file read would be saved back as the whole one.
            const int error = os::lastError();
            contents.clear();
            return ReadResult::refused(path, os::errorText(error));
        }
        if (n == 0) {
            break;
        }
        done += static_cast<std::size_t>(n);
    }
    contents.resize(done);
    return ReadResult::read(info.stamp);
}

bool regularFileHolds(const std::string& path, std::string_view contents) {
    const Descriptor file{os::openForReading(path)};
    os::FileInfo info;
    if (file.fd == os::noFile || !os::infoOf(file.fd, info) || info.kind != os::FileKind::regular ||
        info.stamp.size != static_cast<std::int64_t>(contents.size())) {
        return false;
    }
    constexpr std::size_t pieceBytes = 65536;
    const auto piece = std::make_unique<char[]>(pieceBytes);
    std::size_t done = 0;
    for (;;) {
        const std::int64_t n = os::readSome(file.fd, piece.get(), pieceBytes);
        if (n < 0) {
            return false;
        }
        const auto count = static_cast<std::size_t>(n);
        if (count == 0) {
            return done == contents.size();
        }
        if (count > contents.size() - done ||
            contents.substr(done, count) != std::string_view(piece.get(), count)) {
            return false;
        }
        done += count;
    }
}

} // namespace corvane

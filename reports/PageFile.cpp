#include "reports/PageFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <random>
#include <system_error>

namespace corvane {

namespace {

std::string reasonOf(int error) {
    return error != 0 ? std::strerror(error) : "the file could not be written";
}

// A name beside the page that no page has (pages never start with a dot) and
// that another publish running at the same time does not pick.
std::string temporaryPath(const std::string& path) {
    static std::mt19937_64 numbers{std::random_device{}()};
    const std::size_t slash = path.find_last_of("/\\");
    const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    return path.substr(0, nameStart) + "." + path.substr(nameStart) + "." +
           std::to_string(numbers()) + ".tmp";
}

// Creates the temporary file exclusively, so an existing file is never reused.
std::FILE* createTemporary(const std::string& path, std::string& temporary) {
    for (int attempt = 0; attempt < 16; ++attempt) {
        temporary = temporaryPath(path);
        errno = 0;
        if (std::FILE* file = std::fopen(temporary.c_str(), "wbx")) {
            return file;
        }
        if (errno != EEXIST) {
            break;
        }
    }
    return nullptr;
}

// True when `path` already holds exactly `contents`.
bool holdsAlready(const std::string& path, std::string_view contents) {
    std::error_code error;
    const auto size = std::filesystem::file_size(path, error);
    if (error || size != contents.size()) {
        return false;
    }
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        return false;
    }
    char buffer[1 << 16];
    std::size_t compared = 0;
    bool same = true;
    while (same && compared < contents.size()) {
        const std::size_t read = std::fread(buffer, 1, sizeof buffer, file);
        same = read > 0 && read <= contents.size() - compared &&
               std::memcmp(buffer, contents.data() + compared, read) == 0;
        compared += read;
    }
    same = same && std::fgetc(file) == EOF;
    std::fclose(file);
    return same;
}

} // namespace

SaveResult replacePage(const std::string& path, std::string_view contents) {
    if (holdsAlready(path, contents)) {
        return SaveResult::success();
    }
    std::string temporary;
    std::FILE* file = createTemporary(path, temporary);
    if (file == nullptr) {
        return SaveResult::failure(path, reasonOf(errno));
    }
    errno = 0;
    const bool written = std::fwrite(contents.data(), 1, contents.size(), file) == contents.size();
    int error = written ? 0 : errno;
    errno = 0;
    const bool closed = std::fclose(file) == 0;
    if (!closed && error == 0) {
        error = errno;
    }
    if (!written || !closed) {
        std::remove(temporary.c_str());
        return SaveResult::failure(path, reasonOf(error));
    }
    std::error_code renamed;
    std::filesystem::rename(temporary, path, renamed);
    if (renamed) {
        std::remove(temporary.c_str());
        return SaveResult::failure(path, renamed.message());
    }
    return SaveResult::success();
}

} // namespace corvane

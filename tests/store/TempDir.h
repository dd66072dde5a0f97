#pragma once
// A temporary folder of its own for each test, removed with everything in it.
#include "Utf8Path.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>
#include <string>

namespace corvane::testing {

class TempDir {
public:
    TempDir() {
        constexpr int attempts = 100;
        const std::filesystem::path temp = std::filesystem::temp_directory_path();
        std::random_device seed;
        for (int attempt = 0; attempt < attempts && path_.empty(); ++attempt) {
            const std::filesystem::path folder = temp / ("corvane-" + std::to_string(seed()));
            if (std::filesystem::create_directory(folder))
                path_ = utf8Text(folder);
        }
        if (path_.empty())
            throw std::runtime_error("no temporary folder could be made");
    }
    ~TempDir() {
        std::error_code ignored; // a test may have left the folder read-only
        std::filesystem::permissions(utf8Path(path_), std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ignored);
        std::filesystem::remove_all(utf8Path(path_), ignored);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& path() const { return path_; }
    std::string file(const std::string& name) const { return path_ + "/" + name; }
    // Every name in the folder but the kept versions of its files, to see that
    // no temporary file was left.
    std::size_t entryCount(const std::string& sub = "") const {
        std::size_t count = 0;
        for (const auto& entry :
             std::filesystem::directory_iterator(utf8Path(sub.empty() ? path_ : file(sub))))
            count += entry.path().filename() != "backups";
        return count;
    }

private:
    std::string path_;
};

inline void writeBytes(const std::string& path, const std::string& bytes) {
    std::ofstream(utf8Path(path), std::ios::binary) << bytes;
}

inline std::string readBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

inline std::string readBytes(const std::string& path) {
    return readBytes(utf8Path(path));
}

} // namespace corvane::testing

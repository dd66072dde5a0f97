#include "lifecycle/PageImages.h"

#include "store/AtomicFile.h"
#include "store/FileSystem.h"
#include "store/RegularFile.h"

#include <cstdint>
#include <filesystem>
#include <system_error>

namespace corvane {
namespace fs = std::filesystem;

namespace {

// The page images are small pictures; a larger file in their place is not copied.
constexpr std::int64_t maxImageBytes = std::int64_t{64} << 20;
constexpr const char* imageNames[] = {"title.jpg", "back.jpg"};

void copyPageImage(const char* name, const std::string& workingDirectory,
                   const std::string& folderPath, const std::string& defaultImagesFolder) {
    std::error_code error;
    fs::path source = os::pathOf(workingDirectory) / name;
    if (!fs::is_regular_file(source, error) && !defaultImagesFolder.empty()) {
        source = os::pathOf(defaultImagesFolder) / name;
    }
    // Written in place of whatever is there, a link included: a link in the
    // folder must never lead the copy to a file elsewhere on the disk.
    std::string bytes;
    const ReadResult read = readRegularFile(os::utf8Of(source), bytes, maxImageBytes);
    if (!read.refused() && read.stamp().exists) {
        (void)writeFileAtomically(os::utf8Of(os::pathOf(folderPath) / name), bytes);
    }
}

} // namespace

std::string findImagesFolder(const std::vector<std::string>& candidates) {
    for (const std::string& candidate : candidates) {
        for (const char* name : imageNames) {
            std::error_code error;
            if (fs::exists(os::pathOf(candidate) / name, error)) {
                return os::utf8Of(fs::absolute(os::pathOf(candidate), error).lexically_normal());
            }
        }
    }
    return {};
}

void copyPageImages(const std::string& workingDirectory, const std::string& folderPath,
                    const std::string& defaultImagesFolder) {
    for (const char* name : imageNames) {
        copyPageImage(name, workingDirectory, folderPath, defaultImagesFolder);
    }
}

void addMissingPageImages(const std::string& workingDirectory, const std::string& folderPath,
                          const std::string& defaultImagesFolder) {
    for (const char* name : imageNames) {
        std::error_code error;
        // A link or anything else in the image's place is the organiser's: left alone.
        if (!fs::exists(fs::symlink_status(os::pathOf(folderPath) / name, error)) &&
            fs::is_directory(os::pathOf(folderPath), error)) {
            copyPageImage(name, workingDirectory, folderPath, defaultImagesFolder);
        }
    }
}

} // namespace corvane

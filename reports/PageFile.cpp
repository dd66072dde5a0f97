#include "reports/PageFile.h"

#include "store/AtomicFile.h"
#include "store/FileSystem.h"
#include "store/RegularFile.h"

namespace corvane {

namespace {

// True when `path` already holds exactly `contents`. Read without waiting, so a
// pipe in a page's place cannot hold publishing up.
bool holdsAlready(const std::string& path, std::string_view contents) {
    return stampOf(path).size == static_cast<std::int64_t>(contents.size()) &&
           regularFileHolds(path, contents);
}

} // namespace

SaveResult replacePage(const std::string& path, std::string_view contents) {
    if (holdsAlready(path, contents)) {
        return SaveResult::success();
    }
    // Replaced whole, keeping the page's permissions; pages can always be written
    // again, so the disk is not waited for.
    AtomicFileWriter page(path, Durability::cached);
    page.write(contents);
    return page.commit();
}

SaveResult replaceTextPage(const std::string& path, const std::string& page) {
    const std::string_view lineEnd = os::textLineEnd();
    if (lineEnd == "\n") {
        return replacePage(path, page);
    }
    std::string bytes;
    bytes.reserve(page.size() + page.size() / 16);
    for (const char c : page) {
        if (c == '\n') {
            bytes += lineEnd;
        } else {
            bytes += c;
        }
    }
    return replacePage(path, bytes);
}

} // namespace corvane

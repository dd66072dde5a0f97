#include "reports/PublishedBoards.h"

#include "reports/PageNames.h"
#include "store/FileSystem.h"

#include <filesystem>

namespace corvane {
namespace {

namespace fs = std::filesystem;

// The newest of `boards` for which `wanted` holds; empty if none.
template <class Wanted>
std::string newest(const std::map<std::string, FileStamp>& boards, Wanted wanted) {
    std::string found;
    std::int64_t time = 0;
    for (const auto& [path, stamp] : boards) {
        if (wanted(path, stamp) && (found.empty() || stamp.modifiedNs > time)) {
            found = path;
            time = stamp.modifiedNs;
        }
    }
    return found;
}

} // namespace

PublishedBoards::PublishedBoards(std::string workingDirectory)
    : workingDirectory_(std::move(workingDirectory)) {
    seen_ = scan();
    current_ = newest(seen_, [](const std::string&, const FileStamp&) { return true; });
}

std::map<std::string, FileStamp> PublishedBoards::scan() {
    std::map<std::string, FileStamp> boards;
    folders_.assign(1, workingDirectory_);
    std::error_code ec;
    // A folder that cannot be read (a share gone away) shows no boards until it is back.
    for (fs::directory_iterator it(os::pathOf(workingDirectory_), ec), end; !ec && it != end;
         it.increment(ec)) {
        std::error_code typeError;
        if (!it->is_directory(typeError))
            continue;
        folders_.push_back(os::utf8Of(it->path()));
        const std::string board = os::utf8Of(it->path() / leaderBoardFileName);
        const FileStamp stamp = stampOf(board);
        if (stamp.exists)
            boards.emplace(board, stamp);
    }
    return boards;
}

PublishedBoards::Change PublishedBoards::check() {
    std::map<std::string, FileStamp> now = scan();
    const std::string changed = newest(now, [this](const std::string& path, const FileStamp& s) {
        const auto before = seen_.find(path);
        return before == seen_.end() || !(before->second == s);
    });
    const bool shownIsThere = now.contains(current_);
    seen_ = std::move(now);
    if (!changed.empty()) {
        const Change change = changed == current_ ? Change::rewritten : Change::switched;
        current_ = changed;
        return change;
    }
    if (current_.empty() || shownIsThere)
        return Change::none;
    current_ = newest(seen_, [](const std::string&, const FileStamp&) { return true; });
    return current_.empty() ? Change::vanished : Change::switched;
}

FileStamp PublishedBoards::currentStamp() const {
    const auto found = seen_.find(current_);
    return found == seen_.end() ? FileStamp{} : found->second;
}

} // namespace corvane

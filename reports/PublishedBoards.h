#pragma once
// Which leader board a display of a working directory shows, and when it must
// show it again: the board published last, in any of the working directory's
// tournament folders, followed from one publish to the next. It only looks, so
// it may watch a folder another computer writes over a network share.
#include "store/ReadResult.h"

#include <map>
#include <string>
#include <vector>

namespace corvane {

class PublishedBoards {
public:
    enum class Change {
        none,      // nothing to show again
        rewritten, // the board shown was published again
        switched,  // another tournament's board was published: show that one
        vanished,  // the board shown is gone and no other is there
    };

    explicit PublishedBoards(std::string workingDirectory);

    // Looks at every tournament folder's leader board again.
    [[nodiscard]] Change check();

    // The leader board to show; empty while none is published.
    const std::string& current() const { return current_; }
    // Its stamp as last seen; its modification time says when it was published.
    FileStamp currentStamp() const;
    // The folders to watch: the working directory and each folder in it, as last seen.
    const std::vector<std::string>& folders() const { return folders_; }

private:
    // The leader boards of the folders in the working directory; sets folders_.
    std::map<std::string, FileStamp> scan();

    std::string workingDirectory_;
    std::map<std::string, FileStamp> seen_; // leader board path -> stamp
    std::string current_;
    std::vector<std::string> folders_;
};

} // namespace corvane

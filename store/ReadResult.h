#pragma once
// The outcome of reading a file: read (with the version read), missing (which
// reads as empty), or refused with the system's reason.
#include <cstdint>
#include <string>
#include <utility>

namespace corvane {

// Which version of a file is on disk, cheap to take and compare: a file
// replaced, rewritten or touched by anyone differs in one of these.
struct FileStamp {
    bool exists = false;
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::int64_t size = 0;
    std::int64_t modifiedNs = 0;
    bool operator==(const FileStamp&) const = default;
};

// The stamp of the file at `path` now; one that does not exist has exists false.
FileStamp stampOf(const std::string& path);

class [[nodiscard]] ReadResult {
public:
    static ReadResult read(FileStamp stamp) {
        ReadResult r;
        r.stamp_ = stamp;
        return r;
    }
    static ReadResult missing() { return ReadResult{}; }
    static ReadResult refused(std::string file, std::string reason) {
        ReadResult r;
        r.refused_ = true;
        r.file_ = std::move(file);
        r.reason_ = std::move(reason);
        return r;
    }

    bool refused() const { return refused_; }
    const std::string& file() const { return file_; }
    const std::string& reason() const { return reason_; }
    // The version read; exists is false for a missing file.
    const FileStamp& stamp() const { return stamp_; }
    // One sentence for a person: "Could not read <file>: <reason>."
    std::string message() const { return "Could not read " + file_ + ": " + reason_ + "."; }
    // The message and what follows from it, for a tournament being opened.
    std::string openingMessage() const {
        return message() + "\n\nNothing of this tournament is saved until it is opened again "
                           "with the file readable.";
    }

private:
    bool refused_ = false;
    std::string file_;
    std::string reason_;
    FileStamp stamp_;
};

} // namespace corvane

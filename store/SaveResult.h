#pragma once
// The outcome of writing a file: success, or the file and the system's reason.
#include <string>
#include <utility>

namespace corvane {

class [[nodiscard]] SaveResult {
public:
    static SaveResult success() { return SaveResult{}; }
    static SaveResult failure(std::string file, std::string reason) {
        SaveResult r;
        r.failed_ = true;
        r.file_ = std::move(file);
        r.reason_ = std::move(reason);
        return r;
    }

    bool ok() const { return !failed_; }
    explicit operator bool() const { return ok(); }
    const std::string& file() const { return file_; }
    const std::string& reason() const { return reason_; }
    // One sentence for a person: "Could not save <file>: <reason>."
    std::string message() const { return "Could not save " + file_ + ": " + reason_ + "."; }

private:
    bool failed_ = false;
    std::string file_;
    std::string reason_;
};

} // namespace corvane

#pragma once
// Whole-file replacement that never leaves a truncated file behind, and
// whole-line reading of the files the system and its users write.
#include "store/SaveResult.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace corvane {

// Writes `contents` to a temporary file beside `path`, syncs it, renames it over
// `path` and syncs the folder. On any failure the old file stays as it was and
// no temporary file remains.
SaveResult writeFileAtomically(const std::string& path, std::string_view contents);

// The same, for a file written piece by piece: the temporary file is made at
// construction, `commit` puts it in place, and without a commit (or after a
// failure) it is removed again.
class AtomicFileWriter {
public:
    explicit AtomicFileWriter(std::string path);
    ~AtomicFileWriter();
    AtomicFileWriter(const AtomicFileWriter&) = delete;
    AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;

    // After the first failure the rest is ignored; commit reports it.
    void write(std::string_view piece);
    SaveResult commit();

private:
    std::string path_;
    std::string tempPath_;
    int fd_ = -1;
    int error_ = 0;
};

// Reads every line of `path` whole, without its line end (LF, or CR LF).
// Text that is not valid UTF-8 is taken as Windows-1252 and converted to UTF-8.
// Returns nothing when the file cannot be opened.
std::optional<std::vector<std::string>> readTextLines(const std::string& path);

// The same lines handed to `onLine` one by one, without a copy of each;
// false when the file cannot be opened.
bool forEachTextLine(const std::string& path,
                     const std::function<void(std::string_view line)>& onLine);

} // namespace corvane

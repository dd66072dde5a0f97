#pragma once
// Whole-file replacement that never leaves a truncated file behind.
#include "store/SaveResult.h"

#include <string>
#include <string_view>

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

} // namespace corvane

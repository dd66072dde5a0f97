#pragma once
// Whole-file replacement that never leaves a truncated file behind.
#include "store/FileSystem.h"
#include "store/SaveResult.h"

#include <string>
#include <string_view>

namespace corvane {

// Writes `contents` to a temporary file beside `path`, syncs it, renames it over
// `path` and syncs the folder. On any failure the old file stays as it was and
// no temporary file remains.
SaveResult writeFileAtomically(const std::string& path, std::string_view contents);

// Whether a commit waits until the new file is on the disk. Pages, which the
// program can always write again, do without.
enum class Durability { synced, cached };

// The same, for a file written piece by piece: the temporary file is made at
// construction, `commit` puts it in place, and without a commit (or after a
// failure) it is removed again. A file's temporary name carries the writer's
// process id, so leftovers of programs that ended are told from work in hand.
class AtomicFileWriter {
public:
    explicit AtomicFileWriter(std::string path, Durability durability = Durability::synced);
    ~AtomicFileWriter();
    AtomicFileWriter(const AtomicFileWriter&) = delete;
    AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;

    // After the first failure the rest is ignored; commit reports it.
    void write(std::string_view piece);
    SaveResult commit();

private:
    std::string path_;
    std::string tempPath_;
    Durability durability_;
    os::FileHandle fd_ = os::noFile;
    int error_ = 0;
};

// Makes the renames and removals in the folder of `path` durable.
SaveResult syncFolderOf(const std::string& path);

// Removes from `folder` the temporary files that interrupted writes of ended
// processes left behind, of every file or only of `fileName`. A temporary file
// of a program still running is left alone.
void removeLeftoverTemporaries(const std::string& folder, std::string_view fileName = {});

} // namespace corvane

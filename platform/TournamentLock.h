#pragma once
// One program per working directory: two windows saving whole files from their
// own memory would each undo the other's entries.
#include <QString>
#include <memory>

class QLockFile;

namespace corvane::platform {

class TournamentLock {
public:
    // The lock file's name inside the working directory.
    static constexpr const char* fileName = ".corvane.lock";

    // Takes the lock of `workingDirectory`, or says why not in `refusal`. A lock
    // left by a program that ended without releasing it (crashed, killed) on
    // this computer is taken over.
    static std::unique_ptr<TournamentLock> acquire(const QString& workingDirectory,
                                                   QString& refusal);
    ~TournamentLock();
    TournamentLock(const TournamentLock&) = delete;
    TournamentLock& operator=(const TournamentLock&) = delete;

private:
    explicit TournamentLock(std::unique_ptr<QLockFile> file);
    std::unique_ptr<QLockFile> file_;
};

} // namespace corvane::platform

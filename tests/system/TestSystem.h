#pragma once
// What the core's tests need of the system they run on, one file per system
// (TestSystemPosix.cpp, TestSystemWindows.cpp), and the mark of a test of what
// only a POSIX system has: signals, permission bits, FIFOs, /dev, umask.
#include <cstdint>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace corvane::testing {

bool posixSystem();

// Skips the rest of a test that needs what only a POSIX system has, saying what.
#define CORVANE_POSIX_ONLY(what)                                                                   \
    if (!::corvane::testing::posixSystem())                                                        \
    GTEST_SKIP() << "needs a POSIX system: " << (what)

// What the system says of a file in a folder that is not there.
std::string missingFolderReason();

// The id of a process that has ended.
std::int64_t endedProcessId();

// A FIFO at `path`; only called on a POSIX system.
void makeFifo(const std::string& path);

// Sets the permissions new files are made without (the umask); gives the mask before.
unsigned setCreationMask(unsigned mask);

struct ProgramRun {
    int status = -1; // the exit status; -1 when it did not end by itself
    std::string out;
    std::string err;
};

// `program` run with `arguments` from the folder `from`, its standard output
// and error caught in files of the folder `scratch`.
ProgramRun runProgram(const std::string& program, const std::vector<std::string>& arguments,
                      const std::string& from, const std::string& scratch);

} // namespace corvane::testing

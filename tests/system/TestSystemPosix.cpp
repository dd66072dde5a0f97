// The tests' system on Linux and the other POSIX systems.
#include "TestSystem.h"

#include <fcntl.h>
#include <fstream>
#include <iterator>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace corvane::testing {
namespace {

std::string contentsOf(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// In the child: standard output or error into a new file at `path`.
void redirect(int stream, const std::string& path) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (fd < 0 || ::dup2(fd, stream) < 0) {
        ::_exit(127);
    }
    ::close(fd);
}

} // namespace

bool posixSystem() {
    return true;
}

std::string missingFolderReason() {
    return "No such file or directory";
}

std::int64_t endedProcessId() {
    const pid_t child = ::fork();
    if (child == 0) {
        ::_exit(0);
    }
    ::waitpid(child, nullptr, 0);
    return child;
}

void makeFifo(const std::string& path) {
    ::mkfifo(path.c_str(), 0600);
}

unsigned setCreationMask(unsigned mask) {
    return ::umask(static_cast<mode_t>(mask));
}

ProgramRun runProgram(const std::string& program, const std::vector<std::string>& arguments,
                      const std::string& from, const std::string& scratch) {
    const std::string outPath = scratch + "/out", errPath = scratch + "/err";
    std::vector<std::string> words{program};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);
    const pid_t child = ::fork();
    if (child == 0) {
        redirect(STDOUT_FILENO, outPath);
        redirect(STDERR_FILENO, errPath);
        if (::chdir(from.c_str()) == 0)
            ::execv(program.c_str(), argv.data());
        ::_exit(127);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, contentsOf(outPath), contentsOf(errPath)};
}

} // namespace corvane::testing

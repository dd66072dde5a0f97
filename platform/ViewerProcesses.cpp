#include "platform/ViewerProcesses.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <csignal>
#include <dirent.h>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <optional>
#include <poll.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <utility>

namespace corvane::platform {
namespace {

using Clock = std::chrono::steady_clock;

// The kernel keeps at most 15 characters of a process name.
constexpr std::size_t processNameLimit = 15;

bool equalIgnoringCase(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

std::string procPath(pid_t pid, const char* entry) {
    return "/proc/" + std::to_string(pid) + (entry[0] != '\0' ? "/" : "") + entry;
}

std::string readProcessName(pid_t pid) {
    std::ifstream in(procPath(pid, "comm"));
    std::string name;
    std::getline(in, name);
    return name;
}

std::string readLink(const std::string& path) {
    std::string target(4096, '\0');
    const ssize_t n = ::readlink(path.c_str(), target.data(), target.size());
    if (n < 0 || static_cast<std::size_t>(n) >= target.size())
        return {};
    target.resize(static_cast<std::size_t>(n));
    return target;
}

// True if the process runs `executable`: the very same file, or, once the file was
// replaced (say by a rebuild), the deleted file that stood at its path.
bool runsExecutable(pid_t pid, const std::string& executable) {
    struct stat wanted {};
    struct stat running {};
    const std::string exe = procPath(pid, "exe");
    if (::stat(executable.c_str(), &wanted) == 0 && ::stat(exe.c_str(), &running) == 0 &&
        wanted.st_dev == running.st_dev && wanted.st_ino == running.st_ino)
        return true;
    std::error_code ec;
    const std::string canonical = std::filesystem::weakly_canonical(executable, ec).string();
    return !ec && readLink(exe) == canonical + " (deleted)";
}

// The words the process was started with, after the program name; nothing if they
// cannot be read, as for a process that has just ended.
std::optional<std::vector<std::string>> readArguments(pid_t pid) {
    std::ifstream in(procPath(pid, "cmdline"), std::ios::binary);
    std::vector<std::string> words;
    for (std::string word; std::getline(in, word, '\0');)
        words.push_back(word);
    if (in.bad() || words.empty())
        return std::nullopt;
    words.erase(words.begin());
    return words;
}

bool isViewer(pid_t pid, const ViewerIdentity& viewer, const ViewerSelection& selection) {
    struct stat entry {};
    if (::stat(procPath(pid, "").c_str(), &entry) != 0 || entry.st_uid != ::geteuid())
        return false;
    if (!equalIgnoringCase(readProcessName(pid), viewer.processName.substr(0, processNameLimit)))
        return false;
    if (!runsExecutable(pid, viewer.executable))
        return false;
    auto arguments = readArguments(pid);
    return arguments &&
           selection(ViewerCommand{std::move(*arguments), readLink(procPath(pid, "cwd"))});
}

pid_t parsePid(const char* text) {
    pid_t pid = 0;
    for (const char* c = text; *c != '\0'; ++c) {
        if (*c < '0' || *c > '9' || pid > 100'000'000)
            return 0;
        pid = pid * 10 + (*c - '0');
    }
    return pid;
}

// Called through syscall(): not every C library declares these, or declares them
// for C++.
int openPidfd(pid_t pid) {
    return static_cast<int>(::syscall(SYS_pidfd_open, pid, 0U));
}
void sendToPidfd(int fd, int sig) {
    (void)::syscall(SYS_pidfd_send_signal, fd, sig, nullptr, 0U);
}

// A running process pinned by a pidfd, so a signal can never reach a later process
// that happens to get the same ID. Where pidfds are missing it falls back to the ID.
class Target {
public:
    explicit Target(pid_t pid) : pid_(pid), fd_(openPidfd(pid)) {
        vanished_ = fd_ < 0 && errno == ESRCH;
    }
    Target(Target&& other) noexcept
        : pid_(other.pid_), fd_(std::exchange(other.fd_, -1)), vanished_(other.vanished_) {}
    Target(const Target&) = delete;
    Target& operator=(const Target&) = delete;
    Target& operator=(Target&&) = delete;
    ~Target() {
        if (fd_ >= 0)
            ::close(fd_);
    }

    // Gone before it could be pinned: nothing to end.
    bool vanished() const { return vanished_; }
    void send(int sig) const {
        if (fd_ >= 0)
            sendToPidfd(fd_, sig);
        else
            (void)::kill(pid_, sig);
    }
    // True once the process has ended (a zombie has ended too).
    bool ended() const {
        if (fd_ >= 0) {
            pollfd p{fd_, POLLIN, 0};
            return ::poll(&p, 1, 0) > 0;
        }
        return ::kill(pid_, 0) != 0 && errno == ESRCH;
    }

private:
    pid_t pid_;
    int fd_;
    bool vanished_ = false;
};

// Waits until every target has ended or `deadline` passes; true if all ended.
bool waitForEnd(const std::vector<Target>& targets, Clock::time_point deadline) {
    for (;;) {
        if (std::all_of(targets.begin(), targets.end(), [](const Target& t) { return t.ended(); }))
            return true;
        if (Clock::now() >= deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

} // namespace

std::vector<pid_t> findViewerProcesses(const ViewerIdentity& viewer,
                                       const ViewerSelection& selection) {
    std::vector<pid_t> found;
    DIR* proc = ::opendir("/proc");
    if (proc == nullptr)
        return found;
    const pid_t self = ::getpid();
    while (const dirent* entry = ::readdir(proc)) {
        const pid_t pid = parsePid(entry->d_name);
        if (pid > 0 && pid != self && isViewer(pid, viewer, selection))
            found.push_back(pid);
    }
    ::closedir(proc);
    return found;
}

std::size_t endViewerProcesses(const ViewerIdentity& viewer, const ViewerSelection& selection,
                               std::chrono::milliseconds grace) {
    std::vector<Target> targets;
    for (const pid_t pid : findViewerProcesses(viewer, selection)) {
        Target target(pid);
        // Checked again once pinned: the ID may have passed to another process meanwhile.
        if (!target.vanished() && isViewer(pid, viewer, selection) && !target.ended())
            targets.push_back(std::move(target));
    }
    for (const Target& t : targets)
        t.send(SIGTERM);
    if (!waitForEnd(targets, Clock::now() + grace)) {
        for (const Target& t : targets)
            if (!t.ended())
                t.send(SIGKILL);
        (void)waitForEnd(targets, Clock::now() + std::chrono::seconds(2));
    }
    return static_cast<std::size_t>(
        std::count_if(targets.begin(), targets.end(), [](const Target& t) { return t.ended(); }));
}

bool startDetached(const std::string& executable, const std::vector<std::string>& arguments) {
    // Everything the child needs is prepared here: after fork() in a program with
    // threads only async-signal-safe calls are allowed.
    std::vector<std::string> words{executable};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& w : words)
        argv.push_back(w.data());
    argv.push_back(nullptr);

    int report[2];
    if (::pipe2(report, O_CLOEXEC) != 0)
        return false;
    const pid_t child = ::fork();
    if (child < 0) {
        ::close(report[0]);
        ::close(report[1]);
        return false;
    }
    if (child == 0) {
        // The middle process starts a new session and leaves at once, so the viewer is
        // adopted by the system and never becomes a zombie of the caller.
        ::close(report[0]);
        ::setsid();
        const pid_t viewer = ::fork();
        if (viewer != 0) {
            if (viewer < 0) {
                const int error = errno;
                (void)!::write(report[1], &error, sizeof error);
            }
            ::_exit(0);
        }
        sigset_t none;
        ::sigemptyset(&none);
        ::sigprocmask(SIG_SETMASK, &none, nullptr);
        for (int sig = 1; sig < NSIG; ++sig)
            ::signal(sig, SIG_DFL);
        const int input = ::open("/dev/null", O_RDONLY);
        if (input > 0) {
            ::dup2(input, 0);
            ::close(input);
        }
        ::execv(executable.c_str(), argv.data());
        const int error = errno;
        (void)!::write(report[1], &error, sizeof error);
        ::_exit(127);
    }
    ::close(report[1]);
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    int error = 0;
    ssize_t n = 0;
    while ((n = ::read(report[0], &error, sizeof error)) < 0 && errno == EINTR) {
    }
    ::close(report[0]);
    return n == 0;
}

std::string runningExecutable() {
    return readLink("/proc/self/exe");
}

std::string locateViewer(const std::string& runningProgram, const std::string& name,
                         const std::string& installed) {
    if (!runningProgram.empty()) {
        const std::filesystem::path beside =
            std::filesystem::path(runningProgram).parent_path() / name;
        std::error_code ec;
        if (std::filesystem::is_regular_file(beside, ec) && ::access(beside.c_str(), X_OK) == 0)
            return beside.string();
    }
    return installed;
}

} // namespace corvane::platform

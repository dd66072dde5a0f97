// The viewer's process control against real processes: copies of sleep, started by
// the test under the viewer's name and under others.
#include "platform/ViewerProcesses.h"

#include <csignal>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>

extern char** environ;

namespace corvane::platform {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

class ViewerProcessesTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "corvane-viewer-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        dir = pattern;
    }
    void TearDown() override {
        for (const pid_t pid : children)
            ::kill(pid, SIGKILL), ::waitpid(pid, nullptr, 0);
        fs::remove_all(dir);
    }

    // A program at `name` in the test's folder, a new file each time; started, it
    // lingers. posix_spawn returns once the child runs it.
    std::string install(const std::string& name) {
        fs::create_directories(fs::path(dir / name).parent_path());
        fs::remove(dir / name); // a running program's file cannot be written
        fs::copy_file("/bin/sleep", dir / name);
        return dir / name;
    }
    pid_t spawn(std::string program) {
        std::string time = "600";
        char* argv[] = {program.data(), time.data(), nullptr};
        pid_t pid = 0;
        EXPECT_EQ(::posix_spawn(&pid, program.c_str(), nullptr, nullptr, argv, environ), 0);
        children.push_back(pid);
        return pid;
    }
    // The signal that ended the child, 0 while it runs; `wait`: until it has ended.
    int endedBy(pid_t pid, bool wait = false) {
        int status = 0;
        if (::waitpid(pid, &status, wait ? 0 : WNOHANG) != pid)
            return 0;
        std::erase(children, pid);
        return WIFSIGNALED(status) ? WTERMSIG(status) : -1;
    }

    fs::path dir;
    std::vector<pid_t> children;
};

TEST_F(ViewerProcessesTest, EndsEveryViewerOfTheUserAndNothingElse) {
    const std::string viewer = install("corvane-viewer");
    const pid_t old = spawn(viewer);
    install("corvane-viewer"); // replaced since `old` started, as a rebuild or an upgrade does
    fs::create_symlink(viewer, dir / "CORVANE-VIEWER"); // names are compared without case
    std::signal(SIGTERM, SIG_IGN); // inherited: this viewer will not end when asked
    const pid_t stubborn = spawn(dir / "CORVANE-VIEWER");
    std::signal(SIGTERM, SIG_DFL);
    // The same name running another file, even a deleted one, is another program;
    const pid_t namesake = spawn(install("elsewhere/corvane-viewer"));
    fs::remove(dir / "elsewhere/corvane-viewer");
    fs::create_symlink(viewer, dir / "not-a-viewer"); // so is the viewer's file by another name.
    const pid_t otherName = spawn(dir / "not-a-viewer");

    const ViewerIdentity identity{"corvane-viewer", viewer};
    // Time enough for a viewer that does end when asked, however loaded the machine.
    EXPECT_EQ(endViewerProcesses(
                  identity, [](const ViewerCommand&) { return true; }, 5s),
              2u);
    EXPECT_EQ(std::vector({endedBy(old, true), endedBy(stubborn, true), endedBy(namesake),
                           endedBy(otherName)}),
              std::vector({SIGTERM, SIGKILL, 0, 0}));
}

TEST_F(ViewerProcessesTest, StartsTheViewerDetachedWithThePathAsOneArgument) {
    // A stand-in that notes its session and its arguments into a pipe, read as it comes.
    const std::string note = dir / "note", page = "/a folder/-odd \"name\".html";
    ASSERT_EQ(::mkfifo(note.c_str(), 0600), 0);
    ASSERT_TRUE(startDetached(
        "/bin/sh", {"-c", R"(echo $(cut -d" " -f6 /proc/$$/stat) "$@" >"$0")", note, "--", page}));
    const std::string text(std::istreambuf_iterator<char>(std::ifstream(note).rdbuf()), {});
    EXPECT_TRUE(text.ends_with(" -- " + page + "\n")) << text;
    EXPECT_NE(std::stoi(text), ::getsid(0)) << "in a session of its own";
    EXPECT_EQ(::waitpid(-1, nullptr, WNOHANG), -1) << "no child left to reap";
    EXPECT_FALSE(startDetached((dir / "missing").string(), {page}));
}

} // namespace
} // namespace corvane::platform

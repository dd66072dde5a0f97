// The viewer's process control against real processes: copies of a program that
// lingers, started by the test under the viewer's name and under others.
#include "platform/ViewerProcesses.h"

#include "CaseTable.h"
#include "platform/ViewerLauncher.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sstream>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

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
    // lingers.
    std::string install(const std::string& name) {
        fs::create_directories(fs::path(dir / name).parent_path());
        fs::remove(dir / name); // a running program's file cannot be written
        fs::copy_file(CORVANE_LINGERER, dir / name);
        return dir / name;
    }
    // Starts `program` with `arguments` in the folder `cwd` (empty: the test's own).
    pid_t spawn(std::string program, std::vector<std::string> arguments = {},
                const fs::path& cwd = {}) {
        std::vector<char*> argv{program.data()};
        for (std::string& word : arguments)
            argv.push_back(word.data());
        argv.push_back(nullptr);
        posix_spawn_file_actions_t actions;
        ::posix_spawn_file_actions_init(&actions);
        if (!cwd.empty())
            ::posix_spawn_file_actions_addchdir_np(&actions, cwd.c_str());
        // posix_spawn returns as the child starts replacing itself, before it bears
        // the program's name: the child says when it runs, on a pipe of its own.
        int ready[2];
        EXPECT_EQ(::pipe2(ready, O_CLOEXEC), 0);
        ::posix_spawn_file_actions_adddup2(&actions, ready[1], readyFd);
        std::vector<char*> env;
        for (char** variable = environ; *variable != nullptr; ++variable)
            env.push_back(*variable);
        std::string readyVariable = "CORVANE_READY_FD=" + std::to_string(readyFd);
        env.push_back(readyVariable.data());
        env.push_back(nullptr);
        pid_t pid = 0;
        EXPECT_EQ(::posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), env.data()),
                  0);
        ::posix_spawn_file_actions_destroy(&actions);
        ::close(ready[1]);
        char byte = 0;
        while (::read(ready[0], &byte, 1) < 0 && errno == EINTR) {
        }
        ::close(ready[0]);
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

    // Where a started child finds the pipe to say it runs; clear of the test's own.
    static constexpr int readyFd = 100;
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

// Viewers of one working directory beside another's, each folder with a tournament.
class WorkingDirectoryViewersTest : public ViewerProcessesTest {
protected:
    void SetUp() override {
        ViewerProcessesTest::SetUp();
        for (const char* folder : {"work/Tournament1", "work/Tournament2", "other/Tournament1"})
            fs::create_directories(dir / folder);
        fs::create_directory_symlink(dir / "work", dir / "link");
        viewer = install("corvane-viewer");
    }
    void TearDown() override {
        // Viewers started detached are no children of the test's to end.
        (void)endViewerProcesses(
            identity(), [](const ViewerCommand&) { return true; }, 0ms);
        ViewerProcessesTest::TearDown();
    }

    ViewerIdentity identity() const { return {"corvane-viewer", viewer}; }

    std::string work() const { return dir / "work"; }
    std::string viewer;
};

// The viewers of running-viewers.tsv started, each in its folder, and which of
// them ending the working directory's viewers ends.
TEST_F(WorkingDirectoryViewersTest, EndsOnlyTheViewersOfThisWorkingDirectorysTournaments) {
    const auto table =
        corvane::testing::readCaseTable(CORVANE_PLATFORM_CASES "/running-viewers.tsv", 3);
    std::vector<pid_t> pids;
    for (const corvane::testing::CaseRow& row : table) {
        std::vector<std::string> arguments;
        std::istringstream words(row[0]);
        for (std::string word; std::getline(words, word, '|');)
            arguments.push_back(word.starts_with('@') ? dir.string() + word.substr(1) : word);
        pids.push_back(spawn(viewer, arguments, row[1].empty() ? fs::path() : dir / row[1]));
    }

    // It returns once the viewers it ends have ended, so none is waited for here.
    makeSystemViewerLauncher(viewer)->endRunningViewers(work() + "/");
    for (std::size_t i = 0; i < table.size(); ++i)
        EXPECT_EQ(endedBy(pids[i]) != 0, table[i][2] == "ends") << table[i][0];
}

TEST_F(WorkingDirectoryViewersTest, StartingADisplayEndsOnlyThisFoldersDisplays) {
    const pid_t absolute = spawn(viewer, {"--display", work()});
    const pid_t relative = spawn(viewer, {"--screen", "HDMI-1", "--display", "."}, work());
    const pid_t other = spawn(viewer, {"--display", dir / "other"});
    const pid_t page = spawn(viewer, {"--", work() + "/Tournament1/tournament.html"});

    ASSERT_TRUE(makeSystemViewerLauncher(viewer)->startDisplay(dir / "link", "HDMI-2"));
    EXPECT_NE(endedBy(absolute), 0);
    EXPECT_NE(endedBy(relative), 0);
    EXPECT_EQ(endedBy(other), 0);
    EXPECT_EQ(endedBy(page), 0);
    // The new display, of this folder through the link, is the only one of it left.
    EXPECT_EQ(findViewerProcesses(identity(),
                                  [&](const ViewerCommand& c) { return isDisplayOf(c, work()); })
                  .size(),
              1u);
}

} // namespace
} // namespace corvane::platform

// The viewer's process control against real processes: copies of a fake viewer,
// started by the test under the viewer's name and under others.
#include "platform/ViewerProcesses.h"

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

namespace fs = std::filesystem;
using corvane::platform::endViewerProcesses;
using corvane::platform::findViewerProcesses;
using corvane::platform::ViewerIdentity;
using namespace std::chrono_literals;

class ViewerProcessesTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "corvane-viewer-test-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        dir = pattern;
        ::setenv("CORVANE_FAKE_VIEWER_LOG", (dir / "note").c_str(), 1);
    }
    void TearDown() override {
        for (const pid_t pid : children) {
            ::kill(pid, SIGKILL);
            ::waitpid(pid, nullptr, 0);
        }
        std::error_code ignored;
        fs::remove_all(dir, ignored);
    }

    // A copy of the fake viewer at `name` inside the test's folder: a file of its own.
    std::string install(const std::string& name) {
        const fs::path path = dir / name;
        fs::create_directories(path.parent_path());
        fs::copy_file(CORVANE_FAKE_VIEWER, path, fs::copy_options::overwrite_existing);
        return path.string();
    }

    // Starts `program` as a child of the test and waits until it has taken note.
    pid_t spawn(const std::string& program, std::vector<std::string> args = {"--linger"}) {
        fs::remove(dir / "note");
        args.insert(args.begin(), program);
        std::vector<char*> argv;
        for (std::string& a : args)
            argv.push_back(a.data());
        argv.push_back(nullptr);
        pid_t pid = 0;
        EXPECT_EQ(::posix_spawn(&pid, program.c_str(), nullptr, nullptr, argv.data(), environ), 0);
        children.push_back(pid);
        EXPECT_TRUE(waitForNote());
        return pid;
    }

    bool waitForNote() const {
        for (int i = 0; i < 500 && !fs::exists(dir / "note"); ++i)
            std::this_thread::sleep_for(10ms);
        return fs::exists(dir / "note");
    }
    std::string note() const {
        std::ifstream in(dir / "note");
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }

    // The signal that ended the child, 0 while it runs.
    int endedBy(pid_t pid) {
        int status = 0;
        if (::waitpid(pid, &status, WNOHANG) != pid)
            return 0;
        std::erase(children, pid);
        return WIFSIGNALED(status) ? WTERMSIG(status) : -1;
    }

    fs::path dir;
    std::vector<pid_t> children;
};

TEST_F(ViewerProcessesTest, EndsOnlyProcessesOfTheViewerNameRunningTheViewerExecutable) {
    const std::string viewer = install("corvane-viewer");
    const pid_t first = spawn(viewer);
    const pid_t second = spawn(viewer);
    // Same name, another executable: another program that must survive.
    const pid_t namesake = spawn(install("elsewhere/corvane-viewer"));
    // The viewer's executable under another process name.
    fs::create_symlink(viewer, dir / "not-a-viewer");
    const pid_t otherName = spawn((dir / "not-a-viewer").string());

    const ViewerIdentity identity{"corvane-viewer", viewer};
    std::vector<pid_t> found = findViewerProcesses(identity);
    std::sort(found.begin(), found.end());
    EXPECT_EQ(found, (std::vector<pid_t>{std::min(first, second), std::max(first, second)}));
    EXPECT_EQ(endViewerProcesses(identity, 2s), 2u);

    EXPECT_EQ(endedBy(first), SIGTERM);
    EXPECT_EQ(endedBy(second), SIGTERM);
    EXPECT_EQ(endedBy(namesake), 0);
    EXPECT_EQ(endedBy(otherName), 0);
    EXPECT_EQ(endViewerProcesses(identity, 2s), 0u) << "nothing left to end";
}

TEST_F(ViewerProcessesTest, MatchesTheNameWithoutCaseAndKillsAViewerThatWillNotEnd) {
    const std::string viewer = install("CORVANE-VIEWER");
    const pid_t stubborn = spawn(viewer, {"--linger", "--ignore-term"});

    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(endViewerProcesses({"corvane-viewer", viewer}, 300ms), 1u);
    EXPECT_GE(std::chrono::steady_clock::now() - start, 300ms) << "given its time to end";
    EXPECT_EQ(endedBy(stubborn), SIGKILL);
}

TEST_F(ViewerProcessesTest, EndsAViewerWhoseExecutableWasReplacedSinceItStarted) {
    const std::string viewer = install("corvane-viewer");
    const pid_t old = spawn(viewer);
    fs::remove(viewer); // as a rebuild or an upgrade does
    install("corvane-viewer");
    const pid_t namesake = spawn(install("elsewhere/corvane-viewer"));
    fs::remove(dir / "elsewhere/corvane-viewer");

    EXPECT_EQ(endViewerProcesses({"corvane-viewer", viewer}, 2s), 1u);
    EXPECT_EQ(endedBy(old), SIGTERM);
    EXPECT_EQ(endedBy(namesake), 0);
}

TEST_F(ViewerProcessesTest, StartsTheViewerDetachedWithThePathAsOneArgument) {
    const std::string viewer = install("corvane-viewer");
    const std::string page = "/a folder/with spaces/-odd \"name\".html";

    ASSERT_TRUE(corvane::platform::startDetached(viewer, {"--", page}));
    ASSERT_TRUE(waitForNote());
    const std::string text = note();
    EXPECT_EQ(text.find("session " + std::to_string(::getsid(0)) + "\n"), std::string::npos)
        << "in a session of its own: " << text;
    EXPECT_EQ(text.find("parent " + std::to_string(::getpid()) + "\n"), std::string::npos) << text;
    EXPECT_NE(text.find("arg --\narg " + page + "\n"), std::string::npos) << text;
    EXPECT_EQ(::waitpid(-1, nullptr, WNOHANG), -1) << "no child left to reap";

    EXPECT_FALSE(corvane::platform::startDetached((dir / "missing").string(), {page}));
    fs::permissions(viewer, fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec,
                    fs::perm_options::remove);
    EXPECT_FALSE(corvane::platform::startDetached(viewer, {page})) << "not executable";
}

TEST_F(ViewerProcessesTest, LocatesTheViewerBesideTheProgramElseTheInstalledOne) {
    using corvane::platform::locateViewer;
    const std::string program = (dir / "bin/corvane").string();
    const std::string installed = "/usr/bin/corvane-viewer";
    fs::create_directories(dir / "bin");

    EXPECT_EQ(locateViewer(program, "corvane-viewer", installed), installed);
    std::ofstream(dir / "bin/corvane-viewer") << "not a program";
    EXPECT_EQ(locateViewer(program, "corvane-viewer", installed), installed)
        << "a file that cannot run is no viewer";
    const std::string beside = install("bin/corvane-viewer");
    EXPECT_EQ(locateViewer(program, "corvane-viewer", installed), beside);
    EXPECT_EQ(locateViewer("", "corvane-viewer", installed), installed);
    EXPECT_FALSE(corvane::platform::runningExecutable().empty());
}

} // namespace

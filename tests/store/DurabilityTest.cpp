// A change reaches the disk in an order a crash cannot spoil. A program adds a
// player through the door with every fsync and rename it makes recorded.
#include "TempDir.h"
#include "TestSystem.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <optional>
#include <set>
#include <sstream>

namespace corvane::testing {
namespace {
namespace fs = std::filesystem;

struct Step {
    std::string what; // "sync" or "rename"
    std::string path; // what was synced, or where a file was renamed from
    std::string to;   // where it was renamed to
};

// The same file however the program named it.
std::string canonical(const std::string& path) {
    const fs::path p(path);
    return (fs::weakly_canonical(p.parent_path()) / p.filename()).string();
}

std::vector<Step> steps(const std::string& log) {
    std::vector<Step> out;
    std::istringstream lines(readBytes(log));
    for (Step step; lines >> step.what >> step.path;) {
        if (step.what == "rename") {
            lines >> step.to;
            step.to = canonical(step.to);
        }
        step.path = canonical(step.path);
        out.push_back(step);
    }
    return out;
}

// Sets environment variables for the child and puts them back when it has run.
class ChildEnvironment {
public:
    void set(const char* name, const std::string& value) {
        const char* before = std::getenv(name);
        saved_.emplace_back(name, before ? std::optional<std::string>(before) : std::nullopt);
        ::setenv(name, value.c_str(), 1);
    }
    ~ChildEnvironment() {
        for (const auto& [name, value] : saved_) {
            value ? ::setenv(name, value->c_str(), 1) : ::unsetenv(name);
        }
    }

private:
    std::vector<std::pair<const char*, std::optional<std::string>>> saved_;
};

TEST(Durability, EachFileIsSyncedBeforeItsRenameAndTheChangeBeforeItsFilesAndJournal) {
    TempDir dir, scratch;
    writeBytes(dir.file("tournament.dat"), "TOURNAMENT 1\n");
    fs::create_directory(dir.file("Tournament1"));
    const std::string log = scratch.file("steps.log");
    ProgramRun run;
    {
        ChildEnvironment environment;
        environment.set("LD_PRELOAD", CORVANE_SYNC_RECORDER);
        environment.set("CORVANE_SYNC_LOG", log);
        // The recorder comes before the sanitizers' runtime in the sanitized build.
        const char* asan = std::getenv("ASAN_OPTIONS");
        environment.set("ASAN_OPTIONS",
                        std::string(asan ? asan : "") + ":verify_asan_link_order=0");
        run = runProgram(CORVANE_ADD_PLAYER_ONCE, {dir.path()}, dir.path(), scratch.path());
    }
    ASSERT_EQ(run.status, 0) << run.err;

    // Whose bytes are on the disk: a synced file keeps them through its renames.
    const std::vector<Step> all = steps(log);
    const std::string folder = canonical(dir.file("Tournament1"));
    std::set<std::string> onDisk;
    std::optional<std::size_t> intent, players, journal;
    std::vector<std::size_t> folderSyncs;
    for (std::size_t i = 0; i < all.size(); ++i) {
        const Step& step = all[i];
        if (step.what == "sync") {
            onDisk.insert(step.path);
            if (step.path == folder) {
                folderSyncs.push_back(i);
            } else if (step.path == folder + "/journal.txt" && !journal) {
                journal = i;
            }
            continue;
        }
        // The kept versions in backups/ are copies, not the tournament.
        if (fs::path(step.to).parent_path() != folder) {
            continue;
        }
        EXPECT_TRUE(onDisk.contains(step.path))
            << step.path << " put in place before its bytes were on the disk";
        onDisk.insert(step.to);
        (step.to == folder + "/.change-in-progress" ? intent : players) = i;
    }
    ASSERT_TRUE(intent && players && journal) << readBytes(log);
    const auto folderSyncedBetween = [&](std::size_t after, std::size_t before) {
        return std::ranges::any_of(folderSyncs,
                                   [&](std::size_t i) { return i > after && i < before; });
    };
    EXPECT_TRUE(folderSyncedBetween(*intent, *players)) << "a file replaced before the change "
                                                           "itself was on the disk";
    EXPECT_TRUE(folderSyncedBetween(*players, *journal)) << "journaled before the file was in "
                                                            "place for good";
}

} // namespace
} // namespace corvane::testing

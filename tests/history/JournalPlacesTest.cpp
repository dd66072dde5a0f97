// What stands in the place of the backups folder or the journal (a link, a
// pipe, a huge sparse file) is never followed, waited on or read whole.
#include "DoorFixture.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace corvane::testing {
namespace {

using namespace corvane::history;
namespace fs = std::filesystem;

struct Misplaced {
    const char* name;
    std::function<void(const std::string& path, const std::string& outside)> make;
};

// A link, a pipe or a huge sparse file in the place of the backups folder or
// the journal: the change is still made, the problem said, and nothing
// outside the tournament folder is touched.
TEST_F(DoorTest, WhatStandsInThePlaceOfBackupsOrJournalIsNeverFollowed) {
    TempDir outside;
    const Misplaced rows[] = {
        {"backups a link",
         [](const std::string&, const std::string& o) {
             fs::create_directory_symlink(o, "backups");
         }},
        {"journal a link",
         [](const std::string&, const std::string& o) {
             writeBytes(o + "/journal.txt", "");
             fs::create_symlink(o + "/journal.txt", "journal.txt");
         }},
        {"journal a pipe", [](const std::string&,
                              const std::string&) { ASSERT_EQ(::mkfifo("journal.txt", 0600), 0); }},
    };
    const fs::path home = fs::current_path();
    for (const Misplaced& row : rows) {
        SCOPED_TRACE(row.name);
        for (const char* name : {"backups", "journal.txt"})
            fs::remove_all(store.filePath(name));
        fs::current_path(store.tournamentPath());
        row.make(store.tournamentPath(), outside.path());
        fs::current_path(home);
        const ChangeOutcome outcome =
            applyChange(store, SaveGame{GameRecord{1, 2, 0, 0, "Ann & Bob", "Zo & Co"}, {}});
        EXPECT_TRUE(outcome.done);
        EXPECT_FALSE(outcome.problem.empty() && outcome.backupsProblem.empty());
        EXPECT_EQ(state(*reopened()), state(store));
        for (const auto& entry : fs::directory_iterator(outside.path()))
            EXPECT_EQ(fs::file_size(entry.path()), 0u) << entry.path();
        EXPECT_FALSE(undoLabel(store) && !fs::is_regular_file(store.filePath("journal.txt")));
    }
}

TEST_F(DoorTest, AHugeSparseJournalIsReadFromItsEndInBoundedMemory) {
    save("Ann & Bob", 150, "Cy & Dee", 120);
    const std::string journal = journalPath(store);
    const std::string lines = readBytes(journal);
    constexpr off_t huge = off_t{64} << 30;
    const int fd = ::open(journal.c_str(), O_WRONLY);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::ftruncate(fd, huge), 0);
    ASSERT_EQ(::pwrite(fd, lines.data(), lines.size(), huge), static_cast<ssize_t>(lines.size()));
    ::close(fd);
    EXPECT_EQ(undoLabel(store), "Save Game Ann & Bob vs Cy & Dee");
    std::size_t damaged = 0;
    EXPECT_FALSE(readJournal(journal, damaged).empty());
    save("Cy & Dee", 1, "Zo & Co", 2);
    EXPECT_EQ(undoLabel(store), "Save Game Cy & Dee vs Zo & Co");
}

} // namespace
} // namespace corvane::testing

#include "store/AtomicFile.h"

#include "TempDir.h"

#include <csignal>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

using corvane::readTextLines;
using corvane::writeFileAtomically;
using corvane::testing::readBytes;
using corvane::testing::TempDir;
using corvane::testing::writeBytes;
namespace fs = std::filesystem;

TEST(AtomicFile, ReplacesTheWholeFileKeepingItsPermissions) {
    TempDir dir;
    const std::string path = dir.file("games.txt");
    writeBytes(path, std::string(5000, 'x'));
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);

    const auto result = writeFileAtomically(path, "short\n");
    ASSERT_TRUE(result.ok()) << result.message();
    EXPECT_EQ(readBytes(path), "short\n");
    EXPECT_EQ(fs::status(path).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(dir.entryCount(), 1u);

    {
        // Abandoned without a commit: the temporary goes, the file stays.
        corvane::AtomicFileWriter abandoned(path);
        abandoned.write("half a save");
    }
    EXPECT_EQ(readBytes(path), "short\n");
    EXPECT_EQ(dir.entryCount(), 1u);

    ASSERT_TRUE(writeFileAtomically(dir.file("new.txt"), "").ok());
    EXPECT_TRUE(fs::exists(dir.file("new.txt")));
    EXPECT_EQ(fs::file_size(dir.file("new.txt")), 0u);
}

TEST(AtomicFile, AFailedSaveNamesFileAndReasonAndLeavesTheOldFile) {
    TempDir dir;
    const std::string missing = dir.file("Tournament9/players.txt");
    const auto noFolder = writeFileAtomically(missing, "PLAYER Ann\n");
    ASSERT_FALSE(noFolder.ok());
    EXPECT_EQ(noFolder.file(), missing);
    EXPECT_EQ(noFolder.reason(), "No such file or directory");
    EXPECT_EQ(noFolder.message(), "Could not save " + missing + ": No such file or directory.");

    // The rename fails when the target is a folder: the temporary must go.
    fs::create_directory(dir.file("teams.txt"));
    EXPECT_FALSE(writeFileAtomically(dir.file("teams.txt"), "TEAM A & B\n").ok());
    EXPECT_EQ(dir.entryCount(), 1u);

    // A write that runs out of room (here: a file size limit) keeps the old file.
    const std::string path = dir.file("games.txt");
    writeBytes(path, "old contents\n");
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 1024;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const auto tooBig = writeFileAtomically(path, std::string(100000, 'g'));
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);
    ASSERT_FALSE(tooBig.ok());
    EXPECT_EQ(tooBig.reason(), "File too large");
    EXPECT_EQ(readBytes(path), "old contents\n");
    EXPECT_EQ(dir.entryCount(), 2u); // teams.txt folder and games.txt
}

TEST(AtomicFile, AReadOnlyFolderKeepsItsFile) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "permissions do not bind the superuser";
    }
    TempDir dir;
    const std::string path = dir.file("players.txt");
    writeBytes(path, "PLAYER Ann\n");
    fs::permissions(dir.path(), fs::perms::owner_read | fs::perms::owner_exec);
    const auto result = writeFileAtomically(path, "PLAYER Bob\n");
    fs::permissions(dir.path(), fs::perms::owner_all);
    ASSERT_FALSE(result.ok());
    EXPECT_EQ(result.reason(), "Permission denied");
    EXPECT_EQ(readBytes(path), "PLAYER Ann\n");
    EXPECT_EQ(dir.entryCount(), 1u);
}

TEST(TextLines, ReadsWholeLinesFromAnyPlatform) {
    TempDir dir;
    EXPECT_FALSE(readTextLines(dir.file("missing.txt")).has_value());
    fs::create_directory(dir.file("folder.txt"));
    EXPECT_FALSE(readTextLines(dir.file("folder.txt")).has_value());

    const std::string longName(100000, 'n');
    writeBytes(dir.file("a.txt"), "one\r\n" + longName + "\r\n\r\nlast\rCR\n\ntail");
    const auto lines = readTextLines(dir.file("a.txt"));
    ASSERT_TRUE(lines.has_value());
    EXPECT_EQ(*lines, (std::vector<std::string>{"one", longName, "", "last\rCR", "", "tail"}));

    writeBytes(dir.file("empty.txt"), "");
    EXPECT_TRUE(readTextLines(dir.file("empty.txt"))->empty());

    // A byte order mark is not text; UTF-8 stays as it is.
    writeBytes(dir.file("bom.txt"), "\xEF\xBB\xBFPLAYER Jos\xC3\xA9\n");
    EXPECT_EQ(readTextLines(dir.file("bom.txt"))->front(), "PLAYER José");
}

TEST(TextLines, DecodesWindows1252WhenNotUtf8) {
    TempDir dir;
    writeBytes(dir.file("w.txt"),
               "PLAYER Jos\xE9 M\xFCller\r\nPLAYER \x80\x8A\x9F\x81 \xC3\xA9\r\n");
    const auto lines = readTextLines(dir.file("w.txt"));
    ASSERT_TRUE(lines.has_value());
    // One stray byte makes the whole file Windows-1252, "Ã©" included.
    EXPECT_EQ(*lines, (std::vector<std::string>{"PLAYER José Müller", "PLAYER €ŠŸ\xC2\x81 Ã©"}));
}

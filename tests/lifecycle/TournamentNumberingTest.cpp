#include "TempDir.h"
#include "store/TournamentStore.h"

#include <gtest/gtest.h>

using corvane::TournamentStore;
using corvane::testing::readBytes;
using corvane::testing::TempDir;
using corvane::testing::writeBytes;

namespace {

struct Numbering {
    std::int32_t number;
    std::string folder;
    std::int32_t noTournamentYet;
    bool operator==(const Numbering&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Numbering& n) {
    return out << n.number << " " << n.folder << " " << n.noTournamentYet;
}

Numbering readWith(const std::string& contents) {
    TempDir dir;
    writeBytes(dir.file("tournament.dat"), contents);
    TournamentStore store;
    store.readTournamentNumber(dir.path());
    EXPECT_EQ(store.workingDirectory, dir.path());
    return {store.tournamentNumber, store.tournamentFolder, store.noTournamentYet};
}

} // namespace

TEST(TournamentNumbering, ReadsTheLastNumberedTournamentLine) {
    TempDir empty;
    TournamentStore store;
    store.readTournamentNumber(empty.path());
    EXPECT_EQ((Numbering{store.tournamentNumber, store.tournamentFolder, store.noTournamentYet}),
              (Numbering{0, "Tournament0", 1}));

    EXPECT_EQ(readWith("TOURNAMENT 7\n"), (Numbering{7, "Tournament7", 0}));
    EXPECT_EQ(readWith("TOURNAMENT 3\r\nTOURNAMENT 5\r\nTOURNAMENT\r\n"),
              (Numbering{5, "Tournament5", 0}));
    EXPECT_EQ(readWith("TOURNAMENT"), (Numbering{0, "Tournament0", 0}));
    EXPECT_EQ(readWith("tournament 5\n"), (Numbering{0, "Tournament0", 1}));
    EXPECT_EQ(readWith("TOURNAMENT5\n"), (Numbering{0, "Tournament0", 0}));
    EXPECT_EQ(readWith("Current TOURNAMENT 4\n"), (Numbering{0, "Tournament0", 0}));
    EXPECT_EQ(readWith("TOURNAMENT -2\n"), (Numbering{-2, "Tournament-2", 0}));
    EXPECT_EQ(readWith("  TOURNAMENT\t+12abc\n"), (Numbering{12, "Tournament12", 0}));
    EXPECT_EQ(readWith("TOURNAMENT 99999999999\n"), (Numbering{0, "Tournament0", 0}));
    // A first word of any length; a Windows-1252 file reads all the same.
    EXPECT_EQ(readWith("TOURNAMENT" + std::string(500, 'x') + " 9\n"),
              (Numbering{9, "Tournament9", 0}));
    EXPECT_EQ(readWith("TOURNAMENT\xE9 8\r\n"), (Numbering{8, "Tournament8", 0}));
}

TEST(TournamentNumbering, WritingMarksATournamentOnlyWhenSaved) {
    TempDir dir;
    TournamentStore store;
    store.workingDirectory = dir.file("missing");
    store.tournamentNumber = 3;
    const auto failed = store.writeTournamentNumber();
    EXPECT_FALSE(failed.ok());
    EXPECT_EQ(failed.file(), dir.file("missing/tournament.dat"));
    EXPECT_EQ(store.noTournamentYet, 1);

    store.workingDirectory = dir.path();
    writeBytes(dir.file("tournament.dat"), "TOURNAMENT 2\nother text\n");
    ASSERT_TRUE(store.writeTournamentNumber().ok());
    EXPECT_EQ(store.noTournamentYet, 0);
    EXPECT_EQ(readBytes(dir.file("tournament.dat")), "TOURNAMENT 3\n");

    TournamentStore again;
    again.readTournamentNumber(dir.path());
    EXPECT_EQ(again.tournamentNumber, 3);
    EXPECT_EQ(again.tournamentFolder, "Tournament3");
}

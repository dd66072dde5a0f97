#include "lifecycle/ArchivedTournament.h"

#include "TempDir.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace corvane {
namespace {

namespace fs = std::filesystem;
using testing::readBytes;
using testing::TempDir;
using testing::writeBytes;

TEST(ArchivedTournament, TheFolderIsJudgedByPathNotByLength) {
    TempDir root;
    const std::string wd = root.file("data");
    fs::create_directories(wd + "/Tournament2/pages");
    fs::create_directories(root.file("dat2/Tournament2"));
    writeBytes(wd + "/Tournament2/tournament.html", "");

    EXPECT_EQ(archivedFolderOf(wd, wd + "/Tournament2/tournament.html").name, "Tournament2");
    EXPECT_EQ(archivedFolderOf(wd, wd + "/Tournament2/pages/x.html").name, "Tournament2");
    EXPECT_EQ(archivedFolderOf(wd + "/", wd + "/Tournament2/tournament.html").name, "Tournament2");
    EXPECT_EQ(archivedFolderOf(wd, wd + "/../data/Tournament2/tournament.html").name,
              "Tournament2");

    // A file directly in the working directory, one in a folder of the same
    // length elsewhere, one outside, none at all.
    for (const std::string& chosen :
         {wd + "/tournament.dat", root.file("dat2/Tournament2/tournament.html"),
          root.file("elsewhere/Tournament2/x.html"), wd + "/Missing/x.html", std::string()}) {
        SCOPED_TRACE(chosen);
        const ArchivedFolder f = archivedFolderOf(wd, chosen);
        EXPECT_FALSE(f.ok());
        EXPECT_NE(f.error.find(wd), std::string::npos);
    }

    // The same folder reached through a symbolic link.
    fs::create_directory_symlink(wd, root.file("alias"));
    EXPECT_EQ(archivedFolderOf(wd, root.file("alias/Tournament2/tournament.html")).name,
              "Tournament2");
}

TEST(ArchivedTournament, LoadingReplacesTheDataButNotTheNumber) {
    TempDir dir;
    writeBytes(dir.file("tournament.dat"), "TOURNAMENT 3\n");
    fs::create_directory(dir.file("Tournament3"));
    writeBytes(dir.file("Tournament3/players.txt"), "PLAYER Ann\n");
    fs::create_directory(dir.file("Tournament2"));
    writeBytes(dir.file("Tournament2/players.txt"), "PLAYER Bob\nPLAYER Cy\n");
    writeBytes(dir.file("Tournament2/teams.txt"), "TEAM Bob & Cy\n");
    TournamentStore store;
    store.readTournamentNumber(dir.path());
    store.loadAll();

    const ArchivedFolder outside = loadArchivedTournament(store, dir.file("tournament.dat"));
    EXPECT_FALSE(outside.ok());
    EXPECT_EQ(store.tournamentFolder, "Tournament3");
    ASSERT_EQ(store.players.size(), 1u);

    const ArchivedFolder loaded =
        loadArchivedTournament(store, dir.file("Tournament2/players.txt"));
    ASSERT_TRUE(loaded.ok()) << loaded.error;
    EXPECT_EQ(store.tournamentFolder, "Tournament2");
    EXPECT_EQ(store.players.size(), 2u);
    ASSERT_EQ(store.teams.size(), 1u);
    EXPECT_EQ(store.teams[0]->firstPlayer, "Bob");
    EXPECT_EQ(store.tournamentNumber, 3);
    EXPECT_EQ(store.noTournamentYet, 0);
    EXPECT_EQ(readBytes(dir.file("tournament.dat")), "TOURNAMENT 3\n");

    for (const char* bad : {"", ".", "..", "a/b"}) {
        EXPECT_FALSE(setTournamentFolder(store, bad));
    }
    EXPECT_EQ(store.tournamentFolder, "Tournament2");
    EXPECT_TRUE(setTournamentFolder(store, "Tournament7"));
    EXPECT_EQ(store.tournamentFolder, "Tournament7");
}

} // namespace
} // namespace corvane

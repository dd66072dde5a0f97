#include "lifecycle/NewTournament.h"

#include "TempDir.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <limits>

namespace corvane {
namespace {

namespace fs = std::filesystem;
using testing::readBytes;
using testing::TempDir;
using testing::writeBytes;

// A working directory whose tournament.dat names tournament 4, with two
// players in Tournament4 and the two page images beside it.
struct Tournament4 {
    TempDir dir;
    TournamentStore store;
    Tournament4() {
        writeBytes(dir.file("tournament.dat"), "TOURNAMENT 4\n");
        fs::create_directory(dir.file("Tournament4"));
        writeBytes(dir.file("Tournament4/players.txt"), "PLAYER Ann\nPLAYER Bob\n");
        writeBytes(dir.file("title.jpg"), "banner");
        writeBytes(dir.file("back.jpg"), "background");
        store.readTournamentNumber(dir.path());
        store.loadAll();
    }
    void expectUnchanged() {
        EXPECT_EQ(store.tournamentNumber, 4);
        EXPECT_EQ(store.tournamentFolder, "Tournament4");
        EXPECT_EQ(store.players.size(), 2u);
        EXPECT_EQ(readBytes(dir.file("tournament.dat")), "TOURNAMENT 4\n");
        EXPECT_EQ(readBytes(dir.file("Tournament4/players.txt")), "PLAYER Ann\nPLAYER Bob\n");
    }
};

TEST(NewTournament, OpensTheNextTournamentAndLeavesTheOldOneAsItWas) {
    Tournament4 t;
    writeBytes(t.dir.file("Tournament4/title.jpg"), "old banner");
    ASSERT_TRUE(startNextTournament(t.store, "").ok());
    EXPECT_EQ(readBytes(t.dir.file("tournament.dat")), "TOURNAMENT 5\n");
    EXPECT_EQ(t.store.tournamentNumber, 5);
    EXPECT_EQ(t.store.tournamentFolder, "Tournament5");
    EXPECT_EQ(t.store.noTournamentYet, 0);
    EXPECT_TRUE(t.store.players.empty());
    EXPECT_EQ(readBytes(t.dir.file("Tournament5/title.jpg")), "banner");
    EXPECT_EQ(readBytes(t.dir.file("Tournament5/back.jpg")), "background");
    EXPECT_EQ(readBytes(t.dir.file("Tournament4/players.txt")), "PLAYER Ann\nPLAYER Bob\n");
    EXPECT_EQ(readBytes(t.dir.file("Tournament4/title.jpg")), "old banner");

    // The very first tournament, from a directory without tournament.dat.
    TempDir fresh;
    TournamentStore store;
    store.readTournamentNumber(fresh.path());
    ASSERT_EQ(store.noTournamentYet, 1);
    ASSERT_TRUE(startNextTournament(store, "").ok());
    EXPECT_EQ(readBytes(fresh.file("tournament.dat")), "TOURNAMENT 1\n");
    EXPECT_TRUE(fs::is_directory(fresh.file("Tournament1")));
    EXPECT_EQ(store.noTournamentYet, 0);
    EXPECT_EQ(store.tournamentFolder, "Tournament1");
}

TEST(NewTournament, AFolderLeftFromBeforeKeepsAndLoadsItsData) {
    Tournament4 t;
    fs::create_directory(t.dir.file("Tournament5"));
    writeBytes(t.dir.file("Tournament5/players.txt"), "PLAYER Cy\n");
    writeBytes(t.dir.file("Tournament5/back.jpg"), "stale");
    ASSERT_TRUE(startNextTournament(t.store, "").ok());
    ASSERT_EQ(t.store.players.size(), 1u);
    EXPECT_EQ(*t.store.players[0], "Cy");
    EXPECT_EQ(readBytes(t.dir.file("Tournament5/players.txt")), "PLAYER Cy\n");
    EXPECT_EQ(readBytes(t.dir.file("Tournament5/back.jpg")), "background");
}

TEST(NewTournament, MissingImagesComeFromTheProgramsOwn) {
    TempDir defaults;
    writeBytes(defaults.file("title.jpg"), "default banner");
    writeBytes(defaults.file("back.jpg"), "default background");

    Tournament4 t;
    fs::remove(t.dir.file("back.jpg"));
    ASSERT_TRUE(startNextTournament(t.store, defaults.path()).ok());
    EXPECT_EQ(readBytes(t.dir.file("Tournament5/title.jpg")), "banner");
    EXPECT_EQ(readBytes(t.dir.file("Tournament5/back.jpg")), "default background");

    // Without defaults a missing image is simply left out.
    TempDir bare;
    fs::create_directory(bare.file("folder"));
    copyPageImages(bare.path(), bare.file("folder"), bare.file("nowhere"));
    EXPECT_EQ(bare.entryCount("folder"), 0u);
}

TEST(NewTournament, AFailedFolderOrNumberLeavesThePreviousTournamentOpen) {
    {
        Tournament4 t;
        writeBytes(t.dir.file("Tournament5"), "a file in the way");
        const SaveResult r = startNextTournament(t.store, "");
        ASSERT_FALSE(r.ok());
        EXPECT_EQ(r.file(), t.dir.file("Tournament5"));
        EXPECT_FALSE(r.reason().empty());
        t.expectUnchanged();
    }
    {
        // tournament.dat cannot be replaced: a folder holds its name.
        TempDir dir;
        fs::create_directories(dir.file("tournament.dat/inside"));
        fs::create_directory(dir.file("Tournament0"));
        writeBytes(dir.file("Tournament0/players.txt"), "PLAYER Ann\n");
        TournamentStore store;
        store.readTournamentNumber(dir.path());
        store.loadAll();
        const SaveResult r = startNextTournament(store, "");
        ASSERT_FALSE(r.ok());
        EXPECT_EQ(r.file(), dir.file("tournament.dat"));
        EXPECT_EQ(store.tournamentNumber, 0);
        EXPECT_EQ(store.tournamentFolder, "Tournament0");
        EXPECT_EQ(store.noTournamentYet, 1);
        EXPECT_EQ(store.players.size(), 1u);
        // The folder made for the tournament that did not start is gone again.
        EXPECT_FALSE(fs::exists(dir.file("Tournament1")));
    }
    {
        Tournament4 t;
        t.store.tournamentNumber = std::numeric_limits<std::int32_t>::max();
        EXPECT_FALSE(startNextTournament(t.store, "").ok());
        EXPECT_EQ(t.store.players.size(), 2u);
    }
}

} // namespace
} // namespace corvane

// Starting the next tournament and reopening an archived one.
#include "TempDir.h"
#include "TestSystem.h"
#include "lifecycle/ArchivedTournament.h"
#include "lifecycle/NewTournament.h"

#include <gtest/gtest.h>
#include <limits>

namespace fs = std::filesystem;
using namespace corvane;
using namespace corvane::testing;

// A working directory at tournament 4, with two players and a banner image.
struct Tournament4 {
    TempDir dir;
    TournamentStore store;
    Tournament4() {
        writeBytes(dir.file("tournament.dat"), "TOURNAMENT 4\n");
        fs::create_directory(dir.file("Tournament4"));
        writeBytes(dir.file("Tournament4/players.txt"), "PLAYER Ann\nPLAYER Bob\n");
        writeBytes(dir.file("title.jpg"), "banner");
        EXPECT_FALSE(store.readTournamentNumber(dir.path()).refused());
        EXPECT_FALSE(store.loadAll().refused());
    }
};

TEST(NewTournament, OpensTheNextFolderLoadingWhatItHoldsWithItsImages) {
    TempDir defaults; // the program's own images
    writeBytes(defaults.file("title.jpg"), "default banner");
    writeBytes(defaults.file("back.jpg"), "default background");
    Tournament4 t;
    fs::create_directory(t.dir.file("Tournament5")); // left from before
    writeBytes(t.dir.file("Tournament5/players.txt"), "PLAYER Cy\n");
    ASSERT_TRUE(startNextTournament(t.store, defaults.path()).ok());
    EXPECT_EQ(readBytes(t.dir.file("tournament.dat")), "TOURNAMENT 5\n");
    EXPECT_EQ(t.store.players().size(), 1u);
    EXPECT_EQ(readBytes(t.dir.file("Tournament5/title.jpg")), "banner");
    EXPECT_EQ(readBytes(t.dir.file("Tournament5/back.jpg")), "default background");
}

TEST(NewTournament, ALinkInTheNextFolderIsReplacedNeverWrittenThrough) {
    CORVANE_POSIX_ONLY("symbolic links, which Windows makes only with a privilege");
    Tournament4 t;
    TempDir elsewhere;
    writeBytes(elsewhere.file("precious"), "not an image");
    fs::create_directory(t.dir.file("Tournament5"));
    fs::create_symlink(elsewhere.file("precious"), t.dir.file("Tournament5/title.jpg"));
    ASSERT_TRUE(startNextTournament(t.store, "").ok());
    EXPECT_EQ(readBytes(elsewhere.file("precious")), "not an image");
    EXPECT_FALSE(fs::is_symlink(t.dir.file("Tournament5/title.jpg")));
    EXPECT_EQ(readBytes(t.dir.file("Tournament5/title.jpg")), "banner");
}

TEST(NewTournament, AFailedFolderOrNumberLeavesThePreviousTournamentOpen) {
    Tournament4 blocked, atTheTop;
    writeBytes(blocked.dir.file("Tournament5"), "a file in the way");
    atTheTop.store.tournamentNumber = std::numeric_limits<std::int32_t>::max();
    for (Tournament4* t : {&blocked, &atTheTop}) {
        EXPECT_EQ(startNextTournament(t->store, "").file(),
                  t->dir.file(t == &blocked ? "Tournament5" : "tournament.dat"));
        EXPECT_EQ(t->store.tournamentFolder, "Tournament4");
        EXPECT_EQ(t->store.players().size(), 2u);
        EXPECT_EQ(readBytes(t->dir.file("tournament.dat")), "TOURNAMENT 4\n");
    }

    // A number that cannot be written is not kept, nor the folder made for it.
    Tournament4 unwritable;
    fs::remove(unwritable.dir.file("tournament.dat"));
    fs::create_directories(unwritable.dir.file("tournament.dat/inside"));
    EXPECT_FALSE(startNextTournament(unwritable.store, "").ok());
    EXPECT_EQ(unwritable.store.tournamentNumber, 4);
    EXPECT_FALSE(fs::exists(unwritable.dir.file("Tournament5")));

    // The very first tournament, once its tournament.dat can be written.
    TempDir fresh;
    fs::create_directories(fresh.file("tournament.dat/inside"));
    TournamentStore store;
    EXPECT_TRUE(store.readTournamentNumber(fresh.path()).refused()) << "a folder in its place";
    EXPECT_EQ(startNextTournament(store, "").file(), fresh.file("tournament.dat"));
    EXPECT_TRUE(store.noTournamentYet);
    EXPECT_FALSE(fs::exists(fresh.file("Tournament1"))) << "a folder made for nothing";
    fs::remove_all(fresh.file("tournament.dat"));
    EXPECT_FALSE(store.readTournamentNumber(fresh.path()).refused()) << "opened again";
    ASSERT_TRUE(startNextTournament(store, "").ok());
    EXPECT_EQ(readBytes(fresh.file("tournament.dat")), "TOURNAMENT 1\n");
    EXPECT_EQ(store.noTournamentYet, 0);
}

TEST(ArchivedTournament, TheFolderIsJudgedByPathAndLoadedWithoutTheNumber) {
    Tournament4 t;
    TempDir other; // a folder of the same length elsewhere
    const std::string wd = t.dir.path();
    fs::create_directory(wd + "/Tournament2");
    writeBytes(wd + "/Tournament2/players.txt", "PLAYER Bob\nPLAYER Cy\nPLAYER Di\n");
    const std::pair<std::string, const char*> chosen[] = {
        {other.file("Tournament2/x.html"), ""},
        {wd + "/tournament.dat", ""},
        {wd + "/Tournament2", ""}, // the folder itself lies at the top
        {wd + "/Tournament4/../Tournament2/x.html", "Tournament2"},
    };
    for (const auto& [file, folder] : chosen) {
        EXPECT_EQ(archivedFolderOf(wd, file).name, folder) << file;
    }
    EXPECT_FALSE(loadArchivedTournament(t.store, wd + "/tournament.dat").ok());
    EXPECT_EQ(t.store.players().size(), 2u);
    ASSERT_TRUE(loadArchivedTournament(t.store, wd + "/Tournament2/players.txt").ok());
    EXPECT_EQ(t.store.tournamentFolder, "Tournament2");
    EXPECT_EQ(t.store.players().size(), 3u);
    EXPECT_EQ(t.store.tournamentNumber, 4);
    EXPECT_EQ(readBytes(t.dir.file("tournament.dat")), "TOURNAMENT 4\n");
}

TEST(ArchivedTournament, AFolderReachedThroughALinkIsTheSameFolder) {
    CORVANE_POSIX_ONLY("symbolic links, which Windows makes only with a privilege");
    Tournament4 t;
    TempDir other; // with a link to the working directory
    const std::string wd = t.dir.path();
    fs::create_directory(wd + "/Tournament2");
    fs::create_directory_symlink(wd, other.file("alias"));
    EXPECT_EQ(archivedFolderOf(wd, other.file("alias/Tournament2/x.html")).name, "Tournament2");
}

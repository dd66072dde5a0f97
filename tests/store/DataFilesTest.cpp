#include "StoreFixture.h"

#include <filesystem>

using namespace corvane;
using namespace corvane::testing;

namespace {

class DataFiles : public StoreTestBase {
protected:
    // Reads the tournament folder into a fresh store.
    std::unique_ptr<TournamentStore> loadCopy() {
        auto copy = std::make_unique<TournamentStore>();
        copy->workingDirectory = store.workingDirectory;
        copy->tournamentFolder = store.tournamentFolder;
        copy->loadAll();
        return copy;
    }
    void writeFolderFile(const std::string& name, const std::string& bytes) {
        writeBytes(folderFile(name), bytes);
    }
};

std::string gameBlock(const std::string& body) {
    return "GAME\n{\n" + body + "}\n";
}

} // namespace

TEST_F(DataFiles, FilesWrittenReadBackAndWriteAgainUnchanged) {
    const std::string longPlayer(300, 'L');
    for (const std::string& p : {std::string("Ann"), std::string("Bob"), std::string("Tom & Jerry"),
                                 std::string("Жанна"), longPlayer}) {
        store.appendPlayer(p);
    }
    addTeam("Ann", "Bob");
    addTeam("Tom & Jerry", "Жанна");
    addTeam(longPlayer, "Ann");
    addGame("Ann & Bob", 120, "Tom & Jerry & Жанна", -5, 2, 0);
    addGame(longPlayer + " & Ann", 0, "ann & bob", 1800, 0, 4);
    ASSERT_TRUE(store.writePlayers().ok());
    ASSERT_TRUE(store.writeTeams().ok());
    ASSERT_TRUE(store.writeGames().ok());

    const std::string games = readBytes(folderFile("games.txt"));
    EXPECT_TRUE(games.starts_with("GAME\n{\n   TEAM1_NAME Ann & Bob\n   TEAM1_SCORE 120\n"
                                  "   TEAM1_FLAGS 2\n   TEAM2_NAME "));
    EXPECT_EQ(std::count(games.begin(), games.end(), '\n'), 18);
    EXPECT_TRUE(games.ends_with("   TEAM2_FLAGS 4\n}\n"));

    const auto copy = loadCopy();
    ASSERT_EQ(copy->players.size(), 5u);
    EXPECT_EQ(*copy->players[4], longPlayer);
    ASSERT_EQ(copy->teams.size(), 3u);
    EXPECT_EQ(copy->teams[1]->firstPlayer, "Tom & Jerry");
    EXPECT_EQ(copy->teams[1]->secondPlayer, "Жанна");
    EXPECT_EQ(copy->teams[2]->firstPlayer, longPlayer);
    ASSERT_EQ(copy->games.size(), 2u);
    EXPECT_EQ(copy->games[1]->team1Name, longPlayer + " & Ann");
    EXPECT_EQ(copy->games[0]->team2Score, -5);
    EXPECT_EQ(copy->teams[0]->gamesPlayed, 2);
    EXPECT_EQ(copy->teams[0]->highScore, 1800);
    EXPECT_EQ(playedMark(*copy->teams[0], "Tom & Jerry & Жанна"), 1);

    copy->tournamentFolder = "Tournament2";
    std::filesystem::create_directory(dir.file("Tournament2"));
    ASSERT_TRUE(copy->writePlayers().ok());
    ASSERT_TRUE(copy->writeTeams().ok());
    ASSERT_TRUE(copy->writeGames().ok());
    for (const char* name : {"players.txt", "teams.txt", "games.txt"}) {
        EXPECT_EQ(readBytes(copy->filePath(name)), readBytes(folderFile(name))) << name;
    }
}

TEST_F(DataFiles, GamesLargerThanAWritePieceSurvive) {
    const std::string huge(400000, 'h');
    addGame("a", 1, huge, 2);
    addGame(huge, 3, "b", 4);
    ASSERT_TRUE(store.writeGames().ok());
    const auto s = loadCopy();
    ASSERT_EQ(s->games.size(), 2u);
    EXPECT_EQ(s->games[0]->team2Name, huge);
    EXPECT_EQ(s->games[1]->team1Name, huge);
    EXPECT_EQ(s->games[1]->team2Score, 4);
}

TEST_F(DataFiles, ReadersTakeValuesByPosition) {
    writeFolderFile("players.txt", "PLAYER Ann Smith\nnoise\nxx PLAYER Bob\nPLAYER\n");
    writeFolderFile("teams.txt", "TEAM Ann & Bob\nTEAM Ann&Bob\nTEAM Solo\nTEAM &x\n");
    writeFolderFile("games.txt",
                    gameBlock("   TEAM1_NAME Ann & Bob\nTEAM1_SCORE 162\n   TEAM1_FLAGS 3\n") +
                        "GAME\n{\n   TEAM1_NAME A\n   TEAM1_NAME B\n}\n" +
                        "GAME\n{\n   TEAM1_NAME C\n   TEAM2_SCORE 5\nGAME\n{\n   TEAM1_NAME D\n"
                        "   TEAM2_SCORE 7\n}\n" +
                        "GAME\n{\n   TEAM1_NAME unfinished\n");
    const auto s = loadCopy();
    ASSERT_EQ(s->players.size(), 3u);
    EXPECT_EQ(*s->players[0], "Ann Smith");
    EXPECT_EQ(*s->players[1], "ER Bob");
    EXPECT_EQ(*s->players[2], "");

    ASSERT_EQ(s->teams.size(), 4u);
    EXPECT_EQ(s->teams[0]->firstPlayer, "Ann");
    EXPECT_EQ(s->teams[0]->secondPlayer, "Bob");
    EXPECT_EQ(s->teams[1]->teamName, "Ann&Bob");
    EXPECT_EQ(s->teams[1]->firstPlayer, "An");
    EXPECT_EQ(s->teams[1]->secondPlayer, "ob");
    EXPECT_EQ(s->teams[2]->teamName, "Solo");
    EXPECT_EQ(s->teams[2]->firstPlayer, "Solo");
    EXPECT_EQ(s->teams[2]->secondPlayer, "");
    EXPECT_EQ(s->teams[3]->firstPlayer, "");

    ASSERT_EQ(s->games.size(), 3u);
    EXPECT_EQ(s->games[0]->team1Name, "Ann & Bob");
    EXPECT_EQ(s->games[0]->team1Score, 0); // unindented: 15 characters dropped
    EXPECT_EQ(s->games[0]->team1Flags, 3);
    EXPECT_EQ(s->games[0]->team2Name, "");
    EXPECT_EQ(s->games[1]->team1Name, "AB");
    EXPECT_EQ(s->games[2]->team1Name, "CD"); // a block without "}" runs on
    EXPECT_EQ(s->games[2]->team2Score, 7);
    EXPECT_EQ(s->teams[0]->gamesPlayed, 1);
}

TEST_F(DataFiles, KeysCountOnlyAtTheStartOfTheirLine) {
    store.appendPlayer("TEAM2_SCORE 9");
    store.appendPlayer("Al TEAM1_FLAGS");
    addTeam("TEAM2_SCORE 9", "Al TEAM1_FLAGS");
    addTeam("Bo", "Cy");
    addGame("Bo & Cy", 40, "TEAM2_SCORE 9 & Al TEAM1_FLAGS", 30, 1, 2);
    ASSERT_TRUE(store.writeGames().ok());
    writeFolderFile("games.txt",
                    readBytes(folderFile("games.txt")) +
                        gameBlock("\t  TEAM1_NAME x\n   TEAM2_NAME Ann TEAM1_SCORE 5\n"));
    ASSERT_TRUE(store.writeTeams().ok());
    ASSERT_TRUE(store.writePlayers().ok());
    const auto s = loadCopy();
    ASSERT_EQ(s->games.size(), 2u);
    const GameRecord& g = *s->games[0];
    EXPECT_EQ(g.team1Name, "Bo & Cy");
    EXPECT_EQ(g.team1Score, 40);
    EXPECT_EQ(g.team1Flags, 1);
    EXPECT_EQ(g.team2Name, "TEAM2_SCORE 9 & Al TEAM1_FLAGS");
    EXPECT_EQ(g.team2Score, 30);
    EXPECT_EQ(g.team2Flags, 2);
    EXPECT_EQ(s->games[1]->team1Name, "x");
    EXPECT_EQ(s->games[1]->team2Name, "Ann TEAM1_SCORE 5");
    EXPECT_EQ(s->games[1]->team1Score, 0);
    EXPECT_EQ(s->teams[0]->firstPlayer, "TEAM2_SCORE 9");
    EXPECT_EQ(s->teams[0]->pointsFor, 30);
}

TEST_F(DataFiles, PlayerNamesHoldingAmpersandsSplitAtRegisteredPlayers) {
    writeFolderFile("players.txt", "PLAYER Tom & Jerry\nPLAYER Ann\nPLAYER R&D\n");
    writeFolderFile("teams.txt", "TEAM Tom & Jerry & Ann\nTEAM Ann & Tom & Jerry\n"
                                 "TEAM R&D & Ann\nTEAM Kim & Lee & Max\n");
    const auto s = loadCopy();
    ASSERT_EQ(s->teams.size(), 4u);
    EXPECT_EQ(s->teams[0]->firstPlayer, "Tom & Jerry");
    EXPECT_EQ(s->teams[0]->secondPlayer, "Ann");
    EXPECT_EQ(s->teams[1]->firstPlayer, "Ann");
    EXPECT_EQ(s->teams[1]->secondPlayer, "Tom & Jerry");
    EXPECT_EQ(s->teams[2]->firstPlayer, "R&D");
    EXPECT_EQ(s->teams[2]->secondPlayer, "Ann");
    // Nobody registered on both sides: the first "&" decides.
    EXPECT_EQ(s->teams[3]->firstPlayer, "Kim");
    EXPECT_EQ(s->teams[3]->secondPlayer, "Lee & Max");
}

TEST_F(DataFiles, WindowsWrittenFilesReadLikeOurOwn) {
    writeFolderFile("players.txt", "PLAYER Jos\xE9\r\nPLAYER Zo\xEB\r\n");
    writeFolderFile("teams.txt", "TEAM Jos\xE9 & Zo\xEB\r\n");
    writeFolderFile("games.txt", "GAME\r\n{\r\n   TEAM1_NAME JOS\xC9 & ZO\xCB\r\n"
                                 "   TEAM1_SCORE 250\r\n   TEAM2_NAME Other\r\n}\r\n");
    const auto s = loadCopy();
    EXPECT_EQ(*s->players[0], "José");
    ASSERT_EQ(s->teams.size(), 1u);
    EXPECT_EQ(s->teams[0]->secondPlayer, "Zoë");
    ASSERT_EQ(s->games.size(), 1u);
    EXPECT_EQ(s->games[0]->team1Name, "JOSÉ & ZOË");
    EXPECT_EQ(s->teams[0]->gamesPlayed, 1);
    EXPECT_EQ(s->teams[0]->highScore, 250);
    // Written back, the names are UTF-8 and the line ends plain.
    ASSERT_TRUE(s->writeTeams().ok());
    EXPECT_EQ(readBytes(folderFile("teams.txt")), "TEAM José & Zoë\n");
}

TEST_F(DataFiles, MissingFilesAndFoldersAreEmptyAndFailedSavesSaySo) {
    store.tournamentFolder = "Tournament7"; // never created
    store.loadAll();
    EXPECT_TRUE(store.players.empty() && store.teams.empty() && store.games.empty());

    store.appendPlayer("Ann");
    addTeam("Ann", "Bob");
    auto team = std::make_unique<TeamRecord>();
    team->teamName = "Cy & Di";
    store.appendTeam(std::move(team));
    const SaveResult teams = store.writeTeams();
    EXPECT_FALSE(teams.ok());
    EXPECT_EQ(teams.file(), folderFile("teams.txt"));
    // The change stays in memory and the opponent lists are refreshed all the same.
    EXPECT_EQ(playedMark(*store.teams[0], "Cy & Di"), 0);
    EXPECT_EQ(store.writePlayers().file(), folderFile("players.txt"));
    EXPECT_FALSE(store.writeGames().ok());
    EXPECT_FALSE(std::filesystem::exists(dir.file("Tournament7")));
}

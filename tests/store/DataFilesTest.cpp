#include "StoreFixture.h"
#include "TestSystem.h"

namespace corvane::testing {
namespace {

// The records of a store, a line each: players, teams with how they split, their
// games, high score and played marks, then the games.
std::string dump(const TournamentStore& s) {
    std::string out;
    for (const std::string& p : s.players())
        out += "P " + p + "\n";
    for (const TeamRecord& t : s.teams()) {
        out += "T " + t.teamName + " = " + t.firstPlayer + " | " + t.secondPlayer + " " +
               std::to_string(t.gamesPlayed) + "/" + std::to_string(t.highScore) + " ";
        for (const OpponentEntry& o : t.opponents())
            out += static_cast<char>('0' + o.played);
        out += "\n";
    }
    for (const GameRecord& g : s.games())
        out += "G " + formatGameLine(g) + "\n";
    return out;
}

class DataFiles : public StoreTestBase {};

TEST_F(DataFiles, WrittenFilesReadBackAndWriteAgainUnchanged) {
    const std::string longPlayer(300, 'L'), huge(400000, 'h'); // longer than a write piece
    for (const char* p : {"Ann", "Bob", "Tom & Jerry", "TEAM2_SCORE 9"})
        store.addPlayer(p);
    store.addPlayer(longPlayer);
    addTeam("Ann", "Bob");
    addTeam("Tom & Jerry", "TEAM2_SCORE 9");
    addTeam(longPlayer, "Ann");
    addGame("Ann & Bob", 120, "Tom & Jerry & TEAM2_SCORE 9", -5, 2, 0);
    addGame(longPlayer + " & Ann", 0, "ann & bob", 1800, 0, 4);
    addGame(huge, 3, "b", 4);
    ASSERT_TRUE(store.writePlayers().ok() && store.writeTeams().ok() && store.writeGames().ok());
    EXPECT_TRUE(readBytes(store.filePath("games.txt"))
                    .starts_with("GAME\n{\n   TEAM1_NAME Ann & Bob\n   TEAM1_SCORE 120\n"
                                 "   TEAM1_FLAGS 2\n   TEAM2_NAME Tom & Jerry & TEAM2_SCORE 9\n"
                                 "   TEAM2_SCORE -5\n   TEAM2_FLAGS 0\n}\nGAME\n{\n"));

    TournamentStore copy;
    copy.workingDirectory = dir.path();
    copy.tournamentFolder = "Tournament1";
    ASSERT_FALSE(copy.loadAll().refused());
    EXPECT_EQ(dump(copy), dump(store));
    copy.tournamentFolder = "Tournament2";
    std::filesystem::create_directory(dir.file("Tournament2"));
    ASSERT_TRUE(copy.writePlayers().ok() && copy.writeTeams().ok() && copy.writeGames().ok());
    for (const char* name : {"players.txt", "teams.txt", "games.txt"})
        EXPECT_EQ(readBytes(copy.filePath(name)), readBytes(store.filePath(name))) << name;
}

// Each folder of readers/ holds data files as people and other programs write them,
// and expected.txt, the records they must give.
TEST_F(DataFiles, ReadersTakeValuesByPositionAndKeysAtTheStartOfTheirLine) {
    int cases = 0;
    for (const auto& entry : std::filesystem::directory_iterator(CORVANE_READER_CASES)) {
        TournamentStore s;
        s.workingDirectory = CORVANE_READER_CASES;
        s.tournamentFolder = entry.path().filename().string();
        EXPECT_FALSE(s.loadAll().refused()) << s.tournamentFolder;
        ++cases;
        EXPECT_EQ(dump(s), readBytes(entry.path() / "expected.txt")) << s.tournamentFolder;
    }
    EXPECT_EQ(cases, 5);
}

TEST_F(DataFiles, FailedSavesSaySoAndKeepTheChange) {
    store.tournamentFolder = "Tournament7"; // never created
    addTeam("Ann", "Bob");
    store.buildTeam("Cy", "Di");
    const SaveResult teams = store.writeTeams();
    EXPECT_EQ(teams.file(), store.filePath("teams.txt"));
    EXPECT_EQ(teams.reason(), missingFolderReason());
    // The change stays in memory and the opponent lists are refreshed all the same.
    EXPECT_EQ(playedMark(store.teams()[0], "Cy & Di"), 0);
    EXPECT_EQ(store.writePlayers().file(), store.filePath("players.txt"));
    EXPECT_EQ(store.writeGames().file(), store.filePath("games.txt"));
    EXPECT_FALSE(std::filesystem::exists(dir.file("Tournament7")));
}

} // namespace
} // namespace corvane::testing

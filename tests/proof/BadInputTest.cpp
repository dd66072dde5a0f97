// Hostile and broken input, one table: names no one should type, scores and
// flags out of range, and data files written by hand or on Windows. Each row
// gives its specified (or mended) result, and nothing is ever lost.
#include "TempDir.h"
#include "reports/WriteReports.h"
#include "store/TournamentStore.h"

#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <limits>

#ifdef CORVANE_HAVE_DIALOGS
#include "dialogs/NameRules.h"
#include "dialogs/ScoreText.h"
#endif

namespace corvane::proof {
namespace {

using corvane::testing::readBytes;
using corvane::testing::TempDir;
using corvane::testing::writeBytes;
namespace fs = std::filesystem;

const std::string basePlayers = "PLAYER Ann\nPLAYER Bob\nPLAYER Cy\nPLAYER Dee\n";
const std::string baseTeams = "TEAM Ann & Bob\nTEAM Cy & Dee\n";

std::string gameBlock(const std::string& score1, const std::string& flags1) {
    return "GAME\n{\n   TEAM1_NAME Ann & Bob\n   TEAM1_SCORE " + score1 + "\n   TEAM1_FLAGS " +
           flags1 + "\n   TEAM2_NAME Cy & Dee\n   TEAM2_SCORE 100\n   TEAM2_FLAGS 1\n}\n";
}

struct Row {
    const char* what;
    std::string players;
    std::string teams;
    std::string games;
    std::function<void(const TournamentStore&)> expect;
};

const GameRecord& onlyGame(const TournamentStore& s) {
    EXPECT_EQ(s.games.size(), 1u);
    static const GameRecord none;
    return s.games.empty() ? none : *s.games.front();
}

std::vector<Row> fileRows() {
    const auto score1 = [](std::int32_t expected) {
        return
            [expected](const TournamentStore& s) { EXPECT_EQ(onlyGame(s).team1Score, expected); };
    };
    const auto flags1 = [](std::int32_t expected) {
        return
            [expected](const TournamentStore& s) { EXPECT_EQ(onlyGame(s).team1Flags, expected); };
    };
    const auto playerNamed = [](std::string name) {
        return [name](const TournamentStore& s) { EXPECT_TRUE(s.hasPlayer(name)) << name; };
    };
    return {
        {"score -1", basePlayers, baseTeams, gameBlock("-1", "0"), score1(-1)},
        {"score 1801", basePlayers, baseTeams, gameBlock("1801", "0"), score1(1801)},
        {"score 99999999999 stops at the limit, never wraps", basePlayers, baseTeams,
         gameBlock("99999999999", "0"), score1(std::numeric_limits<std::int32_t>::max())},
        {"empty score reads 0", basePlayers, baseTeams, gameBlock("", "0"), score1(0)},
        {"flags -2", basePlayers, baseTeams, gameBlock("150", "-2"), flags1(-2)},
        {"flags 7", basePlayers, baseTeams, gameBlock("150", "7"), flags1(7)},
        {"missing opening brace", basePlayers, baseTeams,
         "GAME\n   TEAM1_NAME Ann & Bob\n   TEAM1_SCORE 150\n}\n", score1(150)},
        {"missing closing brace runs on into the next block", basePlayers, baseTeams,
         "GAME\n{\n   TEAM1_NAME Ann & Bob\n   TEAM1_SCORE 5\n" + gameBlock("150", "0"),
         [](const TournamentStore& s) {
             EXPECT_EQ(onlyGame(s).team1Name, "Ann & BobAnn & Bob");
             EXPECT_EQ(onlyGame(s).team1Score, 150);
         }},
        {"repeated keys: names join, the last number counts", basePlayers, baseTeams,
         "GAME\n{\n   TEAM1_NAME Ann\n   TEAM1_NAME  & Bob\n   TEAM1_SCORE 1\n   TEAM1_SCORE "
         "160\n}\n",
         [](const TournamentStore& s) {
             EXPECT_EQ(onlyGame(s).team1Name, "Ann & Bob");
             EXPECT_EQ(onlyGame(s).team1Score, 160);
             EXPECT_EQ(s.findTeam("Ann & Bob")->gamesPlayed, 1);
         }},
        {"keys in other case are no keys", "player Zed\n" + basePlayers, "team X & Y\n" + baseTeams,
         "GAME\n{\n   team1_score 99\n   Team1_Name Ann & Bob\n}\n",
         [](const TournamentStore& s) {
             EXPECT_EQ(s.players.size(), 4u);
             EXPECT_EQ(s.teams.size(), 2u);
             EXPECT_EQ(onlyGame(s).team1Score, 0);
             EXPECT_EQ(onlyGame(s).team1Name, "");
         }},
        {"CR LF line ends", "PLAYER Ann\r\nPLAYER Bob\r\nPLAYER Cy\r\nPLAYER Dee\r\n",
         "TEAM Ann & Bob\r\nTEAM Cy & Dee\r\n",
         "GAME\r\n{\r\n   TEAM1_NAME Ann & Bob\r\n   TEAM1_SCORE 150\r\n   TEAM2_NAME Cy & "
         "Dee\r\n}\r\n",
         [](const TournamentStore& s) {
             EXPECT_EQ(s.findTeam("Ann & Bob")->secondPlayer, "Bob");
             EXPECT_EQ(s.findTeam("Cy & Dee")->gamesPlayed, 1);
         }},
        {"no final line break", "PLAYER Ann\nPLAYER Bob\nPLAYER Cy\nPLAYER Dee", "TEAM Ann & Bob",
         gameBlock("150", "0").substr(0, gameBlock("150", "0").size() - 1),
         [](const TournamentStore& s) {
             EXPECT_TRUE(s.hasPlayer("Dee"));
             EXPECT_EQ(s.teams.size(), 1u);
             EXPECT_EQ(onlyGame(s).team1Score, 150);
         }},
        {"Windows-1252 names", "PLAYER Jos\xE9\nPLAYER M\xFCller\n" + basePlayers,
         "TEAM Jos\xE9 & M\xFCller\n", "",
         [](const TournamentStore& s) {
             EXPECT_TRUE(s.hasPlayer("JOS\xC3\x89"));
             EXPECT_EQ(s.teams.front()->secondPlayer, "M\xC3\xBCller");
         }},
        {"invalid UTF-8 is read as Windows-1252, never dropped", "PLAYER \xC3(\n" + basePlayers,
         baseTeams, "", playerNamed("\xC3\x83(")},
        {"a keyword out of place never splits a character",
         "PLAYER\xC3\xA9t\xC3\xA9\n" + basePlayers, baseTeams, "", playerNamed("t\xC3\xA9")},
        {"a control character read from a file is kept", "PLAYER Tab\tbed\n" + basePlayers,
         baseTeams, "", playerNamed("Tab\tbed")},
    };
}

class BadInput : public ::testing::Test {
protected:
    BadInput() {
        fs::create_directory(dir.file("Tournament1"));
        store.workingDirectory = dir.path();
        store.tournamentFolder = "Tournament1";
    }
    // Reads the three files into a fresh store.
    std::unique_ptr<TournamentStore> load() const {
        auto fresh = std::make_unique<TournamentStore>();
        fresh->workingDirectory = dir.path();
        fresh->tournamentFolder = "Tournament1";
        fresh->loadAll();
        return fresh;
    }
    TempDir dir;
    TournamentStore store;
};

// Names typed by a person, stored, saved, read back and published.
const std::vector<std::pair<const char*, std::string>> typedNames = {
    {"markup", "<b>Ann</b>"},
    {"double quote", "Say \"hi\""},
    {"ampersand", "Tom & Jerry"},
    {"slash", "a/b"},
    {"dot dot", ".."},
    {"path", "../../etc/passwd"},
    {"10,000 characters", std::string(10000, 'x')},
    {"accents", "Jos\xC3\xA9 \xD0\x96\xD0\xB0\xD0\xBD\xD0\xBD\xD0\xB0"},
    {"device name", "CON"},
    {"blanks", "  Ann  "},
};

TEST_F(BadInput, EveryRowGivesItsResultAndLosesNothing) {
    for (const Row& row : fileRows()) {
        SCOPED_TRACE(row.what);
        writeBytes(store.filePath("players.txt"), row.players);
        writeBytes(store.filePath("teams.txt"), row.teams);
        writeBytes(store.filePath("games.txt"), row.games);
        const auto first = load();
        row.expect(*first);
        // Saved back and read again, every record is still there, in UTF-8.
        ASSERT_TRUE(first->writePlayers() && first->writeTeams() && first->writeGames());
        const auto second = load();
        EXPECT_EQ(second->players.size(), first->players.size());
        EXPECT_EQ(second->teams.size(), first->teams.size());
        EXPECT_EQ(second->games.size(), first->games.size());
        row.expect(*second);
    }

    for (const auto& [what, name] : typedNames) {
        SCOPED_TRACE(what);
        TempDir other;
        fs::create_directory(other.file("Tournament1"));
        TournamentStore s;
        s.workingDirectory = other.path();
        s.tournamentFolder = "Tournament1";
        s.appendPlayer(name);
        s.appendPlayer("Partner");
        auto team = std::make_unique<TeamRecord>();
        team->firstPlayer = name;
        team->secondPlayer = "Partner";
        team->teamName = name + " & Partner";
        s.appendTeam(std::move(team));
        ASSERT_TRUE(s.writePlayers() && s.writeTeams());
        TournamentStore back;
        back.workingDirectory = other.path();
        back.tournamentFolder = "Tournament1";
        back.loadAll();
        ASSERT_EQ(back.players.size(), 2u);
        EXPECT_EQ(*back.players.front(), name);
        ASSERT_EQ(back.teams.size(), 1u);
        EXPECT_EQ(back.teams.front()->firstPlayer, name);
        EXPECT_EQ(back.teams.front()->secondPlayer, "Partner");

        const ReportOutcome outcome = writeReports(back);
        ASSERT_TRUE(outcome.ok());
        ASSERT_EQ(outcome.written.size(), 2u);
        for (const std::string& page : outcome.written) {
            EXPECT_EQ(fs::path(page).parent_path(), fs::path(other.file("Tournament1")));
            EXPECT_TRUE(fs::is_regular_file(page)) << page;
        }
        // Only the tournament folder in the working directory, nothing beside it.
        EXPECT_EQ(other.entryCount(), 1u);
        const std::string board = readBytes(outcome.written.front());
        EXPECT_EQ(board.find("<b>Ann"), std::string::npos);
        EXPECT_EQ(board.find("Say \"hi"), std::string::npos);
    }
}

#ifdef CORVANE_HAVE_DIALOGS
TEST(BadTypedInput, ScoresFlagsAndNamesAsTheDialogsReadThem) {
    using dialogs::readFlags;
    using dialogs::readScore;
    EXPECT_EQ(readScore("-1"), std::nullopt);
    EXPECT_EQ(readScore("1801"), std::nullopt);
    EXPECT_EQ(readScore("99999999999"), std::nullopt);
    EXPECT_EQ(readScore(""), 0);
    EXPECT_EQ(readScore("1800"), 1800);
    EXPECT_EQ(readFlags("-2"), -2);
    EXPECT_EQ(readFlags("7"), 7);
    EXPECT_EQ(readFlags("99999999999"), std::numeric_limits<std::int32_t>::max());
    for (const char* name : {"a\nb", "a\rb", "tab\there", "\x01", "a\x7F"}) {
        EXPECT_TRUE(dialogs::hasControlCharacter(QString::fromUtf8(name))) << name;
    }
    for (const auto& [what, name] : typedNames) {
        EXPECT_FALSE(dialogs::hasControlCharacter(QString::fromStdString(name))) << what;
    }
}
#endif

} // namespace
} // namespace corvane::proof

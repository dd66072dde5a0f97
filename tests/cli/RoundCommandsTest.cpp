// corvane-cli pairings and schedule run in-process on tournaments in a
// temporary directory: exact CSV on standard output, and no file written.
#include "TempDir.h"
#include "cli/CliApp.h"

#include <gtest/gtest.h>
#include <map>
#include <sstream>

namespace corvane::testing {
namespace {

namespace fs = std::filesystem;

struct Outcome {
    int status;
    std::string out;
    std::string err;
};

Outcome cli(const std::vector<std::string>& arguments) {
    std::ostringstream out;
    std::ostringstream err;
    const int status = runCli(arguments, out, err);
    return {status, out.str(), err.str()};
}

std::string game(const std::string& team1, int score1, const std::string& team2, int score2) {
    return "GAME\n{\n   TEAM1_NAME " + team1 + "\n   TEAM1_SCORE " + std::to_string(score1) +
           "\n   TEAM2_NAME " + team2 + "\n   TEAM2_SCORE " + std::to_string(score2) + "\n}\n";
}

// A working directory whose tournament 2 holds `teams` and `games`.
std::string tournament(const TempDir& dir, const std::string& name, const std::string& teams,
                       const std::string& games = "") {
    const std::string working = dir.file(name);
    fs::create_directories(working + "/Tournament2");
    writeBytes(working + "/tournament.dat", "TOURNAMENT 2\n");
    writeBytes(working + "/Tournament2/teams.txt", teams);
    writeBytes(working + "/Tournament2/games.txt", games);
    return working;
}

// Every file below `folder` with its bytes, to see that nothing was written.
std::map<std::string, std::string> snapshot(const std::string& folder) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        files[entry.path().string()] = entry.is_regular_file() ? readBytes(entry.path()) : "/";
    return files;
}

// Places: Cid & Dee and Eve & Fay (named in other letter case) won, Ivy's team
// has not played, Gus & Hal and Ann & Bob lost; Cid & Dee met Ann & Bob, and
// Eve & Fay met Gus & Hal.
const std::string fiveTeams = "TEAM Ann & Bob\nTEAM Cid & Dee\nTEAM Eve & Fay\nTEAM Gus & Hal\n"
                              "TEAM Ivy, Jo & \"Kim\"\n";
const std::string twoGames =
    game("Ann & Bob", 120, "Cid & Dee", 150) + game("eve & fay", 100, "Gus & Hal", 90);

// `command` run on a tournament of `teams` and `games`, which it must leave as they were.
Outcome runOn(const std::string& command, const std::string& teams, const std::string& games) {
    TempDir dir;
    const std::string club = tournament(dir, "club", teams, games);
    const auto before = snapshot(club);
    Outcome run = cli({command, club});
    EXPECT_EQ(snapshot(club), before) << "no file written";
    return run;
}

TEST(RoundCommands, PairingsPrintsTheBestRoundWithTheByeLastAndWritesNothing) {
    const Outcome run = runOn("pairings", fiveTeams, twoGames);
    EXPECT_EQ(run.status, cliOk) << run.err;
    EXPECT_EQ(run.out, "Table,Team 1,Team 2\r\n"
                       "1,Cid & Dee,Eve & Fay\r\n"
                       "2,\"Ivy, Jo & \"\"Kim\"\"\",Gus & Hal\r\n"
                       "Bye,Ann & Bob,\r\n");
    EXPECT_EQ(run.err, "");
}

TEST(RoundCommands, ScheduleWithoutGamesIsTheFullRoundRobin) {
    const Outcome run = runOn("schedule", "TEAM A & B\nTEAM C & D\nTEAM E & F\n", "");
    EXPECT_EQ(run.status, cliOk) << run.err;
    EXPECT_EQ(run.out, "Round,Table,Team 1,Team 2\r\n"
                       "1,1,C & D,E & F\r\n1,Bye,A & B,\r\n"
                       "2,1,A & B,E & F\r\n2,Bye,C & D,\r\n"
                       "3,1,A & B,C & D\r\n3,Bye,E & F,\r\n");
}

TEST(RoundCommands, NoTournamentAnUnreadableFileOrAWrongCommandLine) {
    TempDir dir;
    const std::string empty = tournament(dir, "empty", "");
    const std::string broken = tournament(dir, "broken", fiveTeams);
    fs::remove(broken + "/Tournament2/games.txt");
    fs::create_directory(broken + "/Tournament2/games.txt");
    const std::string club = dir.file("club");
    fs::create_directory(club);
    struct Case {
        std::vector<std::string> arguments;
        int status;
        std::string out;
        std::string err; // a part of standard error
    };
    const Case cases[] = {
        {{"pairings", empty}, cliOk, "Table,Team 1,Team 2\r\n", ""},
        {{"schedule", empty}, cliOk, "Round,Table,Team 1,Team 2\r\n", ""},
        {{"pairings", club}, cliFailed, "", "corvane-cli: no tournament in " + club},
        {{"schedule", broken}, cliFailed, "", "games.txt"},
        {{"pairings", club, "two"}, cliUsage, "", "two"},
        {{"schedule", "--bogus"}, cliUsage, "", "Usage: corvane-cli schedule "},
    };
    for (const Case& c : cases) {
        const Outcome run = cli(c.arguments);
        const std::string shown = ::testing::PrintToString(c.arguments);
        EXPECT_EQ(run.status, c.status) << shown << "\n" << run.err;
        EXPECT_EQ(run.out, c.out) << shown;
        EXPECT_NE(run.err.find(c.err), std::string::npos) << shown << "\n" << run.err;
    }
    EXPECT_TRUE(fs::is_empty(club));
    const Outcome help = cli({"--help"});
    for (const char* command : {"\n  pairings ", "\n  schedule "})
        EXPECT_NE(help.out.find(command), std::string::npos) << help.out;
    EXPECT_TRUE(cli({"pairings", "--help"})
                    .out.starts_with("Usage: corvane-cli pairings [OPTIONS] [WORKING-DIRECTORY]"));
}

} // namespace
} // namespace corvane::testing

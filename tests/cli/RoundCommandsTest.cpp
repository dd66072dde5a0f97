// corvane-cli pairings and schedule run in-process on tournaments in a
// temporary directory: exact CSV on standard output, and no file written.
#include "TempDir.h"
#include "cli/CliApp.h"

#include <gtest/gtest.h>
#include <map>
#include <set>
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

// The fields of one CSV line, quotes undone.
std::vector<std::string> fields(const std::string& line) {
    std::vector<std::string> out(1);
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (line[i] == '"' && quoted && i + 1 < line.size() && line[i + 1] == '"')
            out.back() += line[++i];
        else if (line[i] == '"')
            quoted = !quoted;
        else if (line[i] == ',' && !quoted)
            out.emplace_back();
        else
            out.back() += line[i];
    }
    return out;
}

std::vector<std::vector<std::string>> rows(const std::string& csv) {
    std::vector<std::vector<std::string>> all;
    for (std::size_t at = 0, end; (end = csv.find("\r\n", at)) != std::string::npos; at = end + 2)
        all.push_back(fields(csv.substr(at, end - at)));
    return all;
}

// Places: Cid & Dee and "Eve & Fay" won, Ivy's team has not played, Gus & Hal
// and Ann & Bob lost; Cid & Dee met Ann & Bob, Eve & Fay met Gus & Hal.
const std::string fiveTeams = "TEAM Ann & Bob\nTEAM Cid & Dee\nTEAM Eve & Fay\nTEAM Gus & Hal\n"
                              "TEAM Ivy, Jo & \"Kim\"\n";
const std::string twoGames =
    game("Ann & Bob", 120, "Cid & Dee", 150) + game("eve & fay", 100, "Gus & Hal", 90);

// `command` run on the five teams, which it must leave as they were.
Outcome onFiveTeams(const std::string& command) {
    TempDir dir;
    const std::string club = tournament(dir, "club", fiveTeams, twoGames);
    const auto before = snapshot(club);
    Outcome run = cli({command, club});
    EXPECT_EQ(snapshot(club), before) << "no file written";
    return run;
}

TEST(RoundCommands, PairingsPrintsTheBestRoundWithTheByeLastAndWritesNothing) {
    const Outcome run = onFiveTeams("pairings");
    EXPECT_EQ(run.status, cliOk) << run.err;
    EXPECT_EQ(run.out, "Table,Team 1,Team 2\r\n"
                       "1,Cid & Dee,Eve & Fay\r\n"
                       "2,\"Ivy, Jo & \"\"Kim\"\"\",Gus & Hal\r\n"
                       "Bye,Ann & Bob,\r\n");
    EXPECT_EQ(run.err, "");
}

TEST(RoundCommands, ScheduleWithoutGamesIsTheFullRoundRobin) {
    TempDir dir;
    const std::string club = tournament(dir, "club", "TEAM A & B\nTEAM C & D\nTEAM E & F\n");
    const Outcome run = cli({"schedule", club});
    EXPECT_EQ(run.status, cliOk) << run.err;
    EXPECT_EQ(run.out, "Round,Table,Team 1,Team 2\r\n"
                       "1,1,C & D,E & F\r\n1,Bye,A & B,\r\n"
                       "2,1,A & B,E & F\r\n2,Bye,C & D,\r\n"
                       "3,1,A & B,C & D\r\n3,Bye,E & F,\r\n");
}

TEST(RoundCommands, ScheduleHoldsEveryPairNotMetOnceAndNoTeamTwiceInARound) {
    const Outcome run = onFiveTeams("schedule");
    ASSERT_EQ(run.status, cliOk) << run.err;
    const auto lines = rows(run.out);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines[0], (std::vector<std::string>{"Round", "Table", "Team 1", "Team 2"}));
    std::set<std::set<std::string>> pairs;
    std::map<std::string, std::set<std::string>> seenInRound; // round: teams seen
    int rounds = 0;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const auto& row = lines[i];
        ASSERT_EQ(row.size(), 4u) << run.out;
        rounds = std::max(rounds, std::stoi(row[0]));
        auto& seen = seenInRound[row[0]];
        EXPECT_TRUE(seen.insert(row[2]).second) << row[2] << " twice in round " << row[0];
        if (row[1] == "Bye") {
            EXPECT_EQ(row[3], "");
            continue;
        }
        EXPECT_TRUE(seen.insert(row[3]).second) << row[3] << " twice in round " << row[0];
        EXPECT_TRUE(pairs.insert({row[2], row[3]}).second) << row[2] << " v " << row[3];
    }
    const std::set<std::set<std::string>> met = {{"Cid & Dee", "Ann & Bob"},
                                                 {"Eve & Fay", "Gus & Hal"}};
    for (const auto& pair : met)
        EXPECT_FALSE(pairs.contains(pair));
    EXPECT_EQ(pairs.size(), 10u - met.size());
    for (const auto& [round, seen] : seenInRound)
        EXPECT_EQ(seen.size(), 5u) << "every team is at a table or has a bye in round " << round;
    // Ivy's team has 4 pairs left, two tables a round take 8 pairs in 4 rounds.
    EXPECT_GE(rounds, 4);
    EXPECT_LE(rounds, 5);
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

// corvane-cli export run in-process: each table of the sample tournament on
// standard output, no file written, and the wrong command lines refused.
#include "SampleTournament.h"
#include "cli/CliApp.h"
#include "cli/CliCommand.h"

#include <gtest/gtest.h>
#include <sstream>

namespace corvane::testing {
namespace {

// Exit status, standard output and standard error of corvane-cli export.
std::tuple<int, std::string, std::string> exportCommand(std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(), "export");
    std::ostringstream out;
    std::ostringstream err;
    const int status = runCli(arguments, out, err);
    return {status, out.str(), err.str()};
}

TEST(ExportCommand, PrintsEachTableWithoutAByteOrderMarkAndWritesNothing) {
    TempDir dir;
    const std::string folder = writeSampleTournament(dir.path());
    const std::size_t entries = dir.entryCount("Tournament3");
    const std::pair<std::string, std::string> tables[] = {
        {"standings", "Pos,Team,Games,W,L,Win %,Avg Score,Opp Score,Margin,High Score,Low "
                      "Score,Flags Given,Flagged\r\n"
                      "1,Cid & Dee,1,1,0,100.0,150.0,120.0,30.0,150,150,0,0\r\n"
                      "2,Ann & Bob,1,0,1,0.0,120.0,150.0,-30.0,120,120,0,0\r\n"},
        {"games", "Game,Team 1,Score 1,Flags 1,Team 2,Score 2,Flags 2\r\n"
                  "1,Ann & Bob,120,0,Cid & Dee,150,0\r\n"},
        {"players", "Player,Team\r\n"}, // the sample registers its players in no file
        {"teams", "Team,Player 1,Player 2\r\nAnn & Bob,Ann,Bob\r\nCid & Dee,Cid,Dee\r\n"},
    };
    for (const auto& [table, csv] : tables) {
        EXPECT_EQ(exportCommand({table, dir.path()}), std::make_tuple(0, csv, std::string()))
            << table;
    }
    EXPECT_EQ(dir.entryCount("Tournament3"), entries) << "no page and no file written";
}

TEST(ExportCommand, RefusesWrongCommandLinesAndATournamentThatIsNotThere) {
    TempDir dir;
    writeSampleTournament(dir.path());
    const std::string club = dir.file("club");
    std::filesystem::create_directory(club);
    // Arguments after "export", the exit status and what standard output or error holds.
    const std::tuple<std::vector<std::string>, int, std::string> cases[] = {
        {{"--help"}, cliOk, "Usage: corvane-cli export [OPTIONS] TABLE [WORKING-DIRECTORY]"},
        {{}, cliUsage, "TABLE is required"},
        {{"bogus", dir.path()}, cliUsage, "bogus"},
        {{"Standings", dir.path()}, cliUsage, "Standings"},
        {{"teams", dir.path(), "more"}, cliUsage, "more"},
        {{"teams", club}, cliFailed, "corvane-cli: no tournament in " + club},
    };
    for (const auto& [arguments, status, part] : cases) {
        const auto [shownStatus, out, err] = exportCommand(arguments);
        const std::string shown = ::testing::PrintToString(arguments);
        EXPECT_EQ(shownStatus, status) << shown << "\n" << err;
        EXPECT_NE((out + err).find(part), std::string::npos) << shown << "\n" << out << err;
        EXPECT_TRUE(status == cliOk ? err.empty() : out.empty()) << shown;
    }
}

} // namespace
} // namespace corvane::testing

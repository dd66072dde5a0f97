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

// Names a spreadsheet would run as formulas, in every CSV the tool prints:
// an apostrophe before them, never before a number; --raw prints them as stored.
TEST(ExportCommand, NamesASpreadsheetWouldRunGetAnApostropheUnlessRaw) {
    TempDir dir;
    const std::string folder = dir.path() + "/Tournament1/";
    std::filesystem::create_directories(folder);
    writeBytes(dir.file("tournament.dat"), "TOURNAMENT 1\n");
    writeBytes(folder + "players.txt", "PLAYER =SUM(A1)\nPLAYER -Bo\nPLAYER +Cy\nPLAYER @Dee\n");
    writeBytes(folder + "teams.txt", "TEAM =SUM(A1) & -Bo\nTEAM +Cy & @Dee\nTEAM Zed & Yu\n");
    writeBytes(folder + "games.txt", "GAME\n{\n   TEAM1_NAME =SUM(A1) & -Bo\n   TEAM1_SCORE -5\n"
                                     "   TEAM2_NAME +Cy & @Dee\n   TEAM2_SCORE 10\n}\n");
    const std::string zed = ",Zed & Yu,0,0,0,0.0,0.0,0.0,0.0,0,0,0,0\r\n";
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"export", "teams"},
         "Team,Player 1,Player 2\r\n'=SUM(A1) & -Bo,'=SUM(A1),'-Bo\r\n"
         "'+Cy & @Dee,'+Cy,'@Dee\r\nZed & Yu,Zed,Yu\r\n"},
        {{"export", "--raw", "teams"},
         "Team,Player 1,Player 2\r\n=SUM(A1) & -Bo,=SUM(A1),-Bo\r\n"
         "+Cy & @Dee,+Cy,@Dee\r\nZed & Yu,Zed,Yu\r\n"},
        {{"export", "games"},
         "Game,Team 1,Score 1,Flags 1,Team 2,Score 2,Flags 2\r\n"
         "1,'=SUM(A1) & -Bo,-5,0,'+Cy & @Dee,10,0\r\n"},
        {{"export", "standings"},
         "Pos,Team,Games,W,L,Win %,Avg Score,Opp Score,Margin,High "
         "Score,Low Score,Flags Given,Flagged\r\n"
         "1,'+Cy & @Dee,1,1,0,100.0,10.0,-5.0,15.0,10,10,0,0\r\n"
         "2,'=SUM(A1) & -Bo,1,0,1,0.0,-5.0,10.0,-15.0,-5,-5,0,0\r\n" +
             zed},
        {{"export", "players"},
         "Player,Team\r\n'=SUM(A1),'=SUM(A1) & -Bo\r\n'-Bo,'=SUM(A1) & "
         "-Bo\r\n'+Cy,'+Cy & @Dee\r\n'@Dee,'+Cy & @Dee\r\n"},
        {{"pairings"}, "Table,Team 1,Team 2\r\n1,'+Cy & @Dee,Zed & Yu\r\nBye,'=SUM(A1) & -Bo,\r\n"},
        {{"pairings", "--raw"},
         "Table,Team 1,Team 2\r\n1,+Cy & @Dee,Zed & Yu\r\nBye,=SUM(A1) & -Bo,\r\n"},
        {{"schedule"},
         "Round,Table,Team 1,Team 2\r\n1,1,'+Cy & @Dee,Zed & Yu\r\n"
         "1,Bye,'=SUM(A1) & -Bo,\r\n2,1,Zed & Yu,'=SUM(A1) & -Bo\r\n"
         "2,Bye,'+Cy & @Dee,\r\n"},
        {{"schedule", "--raw"},
         "Round,Table,Team 1,Team 2\r\n1,1,+Cy & @Dee,Zed & Yu\r\n"
         "1,Bye,=SUM(A1) & -Bo,\r\n2,1,Zed & Yu,=SUM(A1) & -Bo\r\n"
         "2,Bye,+Cy & @Dee,\r\n"},
    };
    for (const auto& [arguments, csv] : cases) {
        std::vector<std::string> withFolder = arguments;
        withFolder.push_back(dir.path());
        std::ostringstream out;
        std::ostringstream err;
        EXPECT_EQ(runCli(withFolder, out, err), cliOk) << err.str();
        EXPECT_EQ(out.str(), csv) << ::testing::PrintToString(arguments);
    }
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

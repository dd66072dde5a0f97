// Round sheets: exact pages to take to the tables, written beside the results
// pages without ever taking a team page's name or theirs.
#include "reports/RoundSheets.h"

#include "ReportFixture.h"
#include "reports/PageHead.h"
#include "reports/PageNames.h"

namespace corvane::testing {
namespace {

namespace fs = std::filesystem;

const std::vector<std::string> names = {"Ann & Bob", "R&D <x>", "Eve \"E\"", "Gus"};

std::string head() {
    std::string out;
    appendPageHead(out, PageKind::roundSheet);
    return out;
}

std::string titled(const std::string& title) {
    return "<table width=\"900\" border=\"0\" align=\"center\" cellpadding=\"0\" "
           "cellspacing=\"0\">\n<tr>\n<td><div align=\"center\"><span class=\"style26\"><span "
           "class=\"style25\">Tournament Results</span></span><span class=\"style24\"><br>\n<span "
           "class=\"style27\"> " +
           title + "</span></span><br>\n</div></td></tr></table><br>\n";
}

const std::string tableStart =
    "<table class=\"sheet\" width=\"800\" border=\"1\" align=\"center\" cellpadding=\"6\" "
    "cellspacing=\"0\">\n";
const std::string columns =
    "<tr><th width=\"50\">Table</th><th width=\"250\">Team 1</th><th width=\"60\">Score</th><th "
    "width=\"60\">Flags</th><th width=\"250\">Team 2</th><th width=\"60\">Score</th><th "
    "width=\"60\">Flags</th></tr>\n";
const std::string tableEnd = "</table><br>\n";
const std::string pageEnd = "<p align=\"center\"><span class=\"style23\"><a "
                            "href=\"tournament.html\"><b>Back to Leader Board "
                            "page</b></a></span></p>\n</body></html>\n";

TEST(RoundSheets, NextRoundTablesWithEmptyBoxesTheByeLastAndNamesAsTyped) {
    const std::vector<SeatingRow> rows = {{0, 1, 0, 1, false}, {0, 2, 3, 2, true}, {0, 0, 2, -1}};
    EXPECT_EQ(nextRoundSheet(rows, names),
              head() + titled("Next Round") + tableStart + columns +
                  "<tr bgcolor=\"#FFFFFF\"><td>1</td><td>Ann &amp; Bob</td><td></td><td></td><td>"
                  "R&amp;D &lt;x&gt;</td><td></td><td></td></tr>\n"
                  "<tr bgcolor=\"#EEEEEE\"><td>2</td><td>Gus</td><td></td><td></td><td>Eve "
                  "&quot;E&quot;</td><td></td><td></td></tr>\n"
                  "<tr bgcolor=\"#FFFFFF\"><td>Bye</td><td>Eve &quot;E&quot;</td><td "
                  "colspan=\"5\"></td></tr>\n" +
                  tableEnd + pageEnd);
}

TEST(RoundSheets, ScheduleHasATableAndShadesOfItsOwnPerRound) {
    const std::vector<SeatingRow> rows = {{1, 1, 0, 3}, {1, 0, 1, -1}, {2, 1, 1, 3}};
    const std::string round = "<tr><th colspan=\"7\">Round ";
    EXPECT_EQ(scheduleSheet(rows, names),
              head() + titled("Schedule") + tableStart + round + "1</th></tr>\n" + columns +
                  "<tr bgcolor=\"#FFFFFF\"><td>1</td><td>Ann &amp; Bob</td><td></td><td></td><td>"
                  "Gus</td><td></td><td></td></tr>\n"
                  "<tr bgcolor=\"#EEEEEE\"><td>Bye</td><td>R&amp;D &lt;x&gt;</td><td "
                  "colspan=\"5\"></td></tr>\n" +
                  tableEnd + tableStart + round + "2</th></tr>\n" + columns +
                  "<tr bgcolor=\"#FFFFFF\"><td>1</td><td>R&amp;D &lt;x&gt;</td><td></td><td></"
                  "td><td>Gus</td><td></td><td></td></tr>\n" +
                  tableEnd + pageEnd);
}

TEST(RoundSheets, WithoutTeamsASheetSaysNone) {
    const std::string none = tableStart + columns +
                             "<tr bgcolor=\"#FFFFFF\"><td colspan=\"7\">None</td></tr>\n" +
                             tableEnd + pageEnd;
    EXPECT_EQ(nextRoundSheet({}, {}), head() + titled("Next Round") + none);
    EXPECT_EQ(scheduleSheet({}, {}), head() + titled("Schedule") + none);
}

TEST_F(Reports, SheetsLieBesideTheResultsPagesWhoseTeamsNeverTakeTheirNames) {
    addTeam("next-", "round");
    addTeam("Sched", "ule");
    ASSERT_TRUE(writeRoundSheet(store, nextRoundFileName, "round\n").ok());
    ASSERT_TRUE(writeRoundSheet(store, scheduleFileName, "schedule\n").ok());
    ASSERT_TRUE(writeReports(store).ok());
    const auto written = pages();
    std::vector<std::string> files;
    for (const auto& [name, bytes] : written)
        files.push_back(name);
    EXPECT_EQ(files,
              (std::vector<std::string>{"Schedule-2.html", "next-round-2.html", "next-round.html",
                                        "schedule.html", "tournament.html"}));
    EXPECT_EQ(written.at("next-round.html"), systemText("round\n"));
    EXPECT_EQ(written.at("schedule.html"), systemText("schedule\n"));
}

TEST_F(Reports, NoSheetIsWrittenForATournamentNotReadWhole) {
    fs::create_directory(store.filePath("games.txt"));
    ASSERT_TRUE(store.loadAll().refused());
    const SaveResult saved = writeRoundSheet(store, nextRoundFileName, "round\n");
    ASSERT_FALSE(saved.ok());
    EXPECT_EQ(saved.file(), store.filePath(nextRoundFileName));
    EXPECT_NE(saved.reason().find("games.txt could not be read"), std::string::npos)
        << saved.reason();
    EXPECT_FALSE(fs::exists(store.filePath(nextRoundFileName)));
}

} // namespace
} // namespace corvane::testing

// Round sheets: exact pages to take to the tables, written beside the results
// pages without ever taking a team page's name or theirs.
#include "reports/RoundSheets.h"

#include "ReportFixture.h"
#include "reports/PageNames.h"

namespace corvane::testing {
namespace {

namespace fs = std::filesystem;

const std::vector<std::string> names = {"Ann & Bob", "R&D <x>", "Eve \"E\"", "Gus"};

// The next round's tables with empty boxes, the bye last and names as typed; the
// schedule with a table and shades of its own per round; and "None" without teams.
TEST(RoundSheets, EachSheetIsTheExpectedPage) {
    const std::vector<SeatingRow> next = {{0, 1, 0, 1, false}, {0, 2, 3, 2, true}, {0, 0, 2, -1}};
    const std::vector<SeatingRow> rounds = {{1, 1, 0, 3}, {1, 0, 1, -1}, {2, 1, 1, 3}};
    const std::pair<const char*, std::string> sheets[] = {
        {"next-round.html", nextRoundSheet(next, names)},
        {"schedule.html", scheduleSheet(rounds, names)},
        {"next-round-none.html", nextRoundSheet({}, {})},
        {"schedule-none.html", scheduleSheet({}, {})},
    };
    for (const auto& [file, sheet] : sheets) {
        EXPECT_EQ(sheet, readBytes(CORVANE_GOLDEN_DIR "/sheets/" + std::string(file))) << file;
    }
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

// Each table of a tournament read from its files, against the CSV expected of
// it: names with commas, quotes, accents and blanks at either end, an archive
// written in Windows-1252 with Windows line ends, a tournament without teams
// (the header rows alone), and teams without games, which follow those that
// played in standings order without a position.
#include "exports/TournamentCsv.h"

#include "StoreFixture.h"
#include "exports/Csv.h"

#include <gtest/gtest.h>

namespace corvane::testing {
namespace {

class TournamentCsvTest : public StoreTestBase, public ::testing::WithParamInterface<const char*> {
protected:
    // Reads the tournament of case `name` as the program reads one.
    void load(const std::string& name) {
        for (const char* file : {"players.txt", "teams.txt", "games.txt"}) {
            writeBytes(dir.file("Tournament1/") + file, expected(name, file));
        }
        ASSERT_FALSE(store.loadAll().refused());
    }
    static std::string expected(const std::string& name, const std::string& file) {
        return readBytes(std::string(CORVANE_EXPORT_CASES) + "/" + name + "/" + file);
    }
};

TEST_P(TournamentCsvTest, EveryTableIsTheExpectedFile) {
    load(GetParam());
    std::vector<std::string> storeOrder;
    for (const TeamRecord& team : store.teams())
        storeOrder.push_back(team.teamName);
    for (const ExportTable& table : exportTables) {
        const std::string file = std::string(table.name) + ".csv";
        const std::string csv = exportCsv(store, table.kind);
        EXPECT_FALSE(expected(GetParam(), file).empty()) << file;
        EXPECT_EQ(csv, expected(GetParam(), file)) << file;
        // For spreadsheet programs: the same bytes after the byte-order mark.
        EXPECT_EQ(exportCsv(store, table.kind, ByteOrderMark::with),
                  std::string(csv::byteOrderMark) + csv)
            << file;
    }
    // The standings were worked out without reordering the store.
    std::vector<std::string> after;
    for (const TeamRecord& team : store.teams())
        after.push_back(team.teamName);
    EXPECT_EQ(after, storeOrder);
}

INSTANTIATE_TEST_SUITE_P(Cases, TournamentCsvTest,
                         ::testing::Values("awkward-names", "windows-1252", "empty",
                                           "unplayed-teams"));

TEST(ExportTables, AreNamedAsTheCommandLineTakesThem) {
    for (const ExportTable& table : exportTables) {
        EXPECT_EQ(exportKindNamed(table.name), table.kind);
        EXPECT_EQ(exportTable(table.kind).name, table.name);
    }
    for (const char* wrong : {"", "Standings", "standing", "games.csv"})
        EXPECT_EQ(exportKindNamed(wrong), std::nullopt) << wrong;
}

} // namespace
} // namespace corvane::testing

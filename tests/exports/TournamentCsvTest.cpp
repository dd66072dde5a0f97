// Each table of a tournament read from its files, against the CSV expected of
// it: names with commas, quotes, accents and blanks at either end, and an
// archive written in Windows-1252 with Windows line ends.
#include "exports/TournamentCsv.h"

#include "StoreFixture.h"
#include "exports/Csv.h"

#include <gtest/gtest.h>
#include <sstream>

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
                         ::testing::Values("awkward-names", "windows-1252"));

using TournamentCsvEdges = StoreTestBase;

TEST_F(TournamentCsvEdges, AnEmptyTournamentGivesTheHeaderRowsAlone) {
    for (const ExportTable& table : exportTables) {
        const std::string full = readBytes(std::string(CORVANE_EXPORT_CASES) + "/awkward-names/" +
                                           std::string(table.name) + ".csv");
        EXPECT_EQ(exportCsv(store, table.kind), full.substr(0, full.find('\n') + 1)) << table.name;
    }
}

TEST_F(TournamentCsvEdges, TeamsWithoutGamesFollowInStandingsOrderWithoutAPosition) {
    // Ann & Bob, who have not played, sort before Gus & Hal, who lost, yet come
    // after every team that played; equal teams keep the store's order.
    addTeam("Ann", "Bob");
    addTeam("Cy", "Dee");
    addTeam("Eve", "Fay");
    addTeam("Gus", "Hal");
    addGame("Gus & Hal", 10, "Cy & Dee", 20);
    std::istringstream csv(exportCsv(store, ExportKind::standings));
    std::vector<std::string> starts; // Pos and Team of each row
    for (std::string row; std::getline(csv, row);)
        starts.push_back(row.substr(0, row.find(',', row.find(',') + 1)));
    EXPECT_EQ(starts, (std::vector<std::string>{"Pos,Team", "1,Cy & Dee", "2,Gus & Hal",
                                                ",Ann & Bob", ",Eve & Fay"}));
}

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

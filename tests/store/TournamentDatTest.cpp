#include "TempDir.h"
#include "store/TournamentStore.h"

#include <gtest/gtest.h>

using namespace corvane::testing;

// Each tournament.dat gives a number, a folder and whether there is no tournament yet.
TEST(TournamentNumbering, ReadsTheLastNumberedTournamentLine) {
    const std::pair<std::string, const char*> cases[] = {
        {"TOURNAMENT 3\r\nTOURNAMENT 5\r\nTOURNAMENT\r\n", "5 Tournament5 0"},
        {"TOURNAMENT", "0 Tournament0 0"},
        {"tournament 5\n", "0 Tournament0 1"},
        {"Current TOURNAMENT 4\n", "0 Tournament0 0"},
        {"  TOURNAMENT\t+12abc\n", "12 Tournament12 0"},
        {"TOURNAMENT 99999999999\n", "0 Tournament0 0"}, // out of range: not read
        {"TOURNAMENT" + std::string(500, 'x') + " 9\n", "9 Tournament9 0"},
        {"TOURNAMENT\xE9 8\r\n", "8 Tournament8 0"}}; // Windows-1252
    for (const auto& [contents, expected] : cases) {
        TempDir dir;
        writeBytes(dir.file("tournament.dat"), contents);
        corvane::TournamentStore s;
        EXPECT_FALSE(s.readTournamentNumber(dir.path()).refused());
        EXPECT_EQ(std::to_string(s.tournamentNumber) + " " + s.tournamentFolder + " " +
                      std::to_string(s.noTournamentYet),
                  expected)
            << contents.substr(0, 40);
    }
}

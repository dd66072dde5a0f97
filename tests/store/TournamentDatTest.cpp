#include "CaseTable.h"
#include "store/TournamentStore.h"

#include <gtest/gtest.h>

using namespace corvane::testing;

TEST(TournamentNumbering, ReadsTheLastNumberedTournamentLine) {
    for (const CaseRow& c : readCaseTable(CORVANE_STORE_CASES "/tournament-numbers.tsv", 2)) {
        TempDir dir;
        writeBytes(dir.file("tournament.dat"), c[0]);
        corvane::TournamentStore s;
        EXPECT_FALSE(s.readTournamentNumber(dir.path()).refused());
        EXPECT_EQ(std::to_string(s.tournamentNumber) + " " + s.tournamentFolder + " " +
                      std::to_string(s.noTournamentYet),
                  c[1])
            << c[0].substr(0, 40);
    }
}

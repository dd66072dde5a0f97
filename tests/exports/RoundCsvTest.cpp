#include "exports/RoundCsv.h"

#include "TempDir.h"

#include <gtest/gtest.h>

namespace corvane::csv {
namespace {

// Names that need quoting keep every character inside the quotes.
const std::vector<std::string> names = {"Ann & Bob", "Smith, Jo & \"Q\"", " Eve & Fay", "Gus"};

std::string expected(const char* file) {
    return testing::readBytes(std::string(CORVANE_EXPORT_CASES "/") + file);
}

// The next round's tables in order and the bye last; the schedule's rows led by their round.
TEST(RoundCsvTest, RowsAreTheExpectedFiles) {
    const std::vector<SeatingRow> next = {{0, 1, 0, 1}, {0, 2, 3, 2, true}, {0, 0, 2, -1}};
    const std::vector<SeatingRow> rounds = {
        {1, 1, 0, 3}, {1, 0, 1, -1}, {1, 0, 2, -1}, {2, 1, 1, 3}};
    EXPECT_EQ(nextRoundCsv(next, names, NameFields::guarded), expected("next-round.csv"));
    EXPECT_EQ(scheduleCsv(rounds, names, NameFields::guarded), expected("schedule.csv"));
    EXPECT_EQ(nextRoundCsv({}, {}, NameFields::guarded), "Table,Team 1,Team 2\r\n");
    EXPECT_EQ(scheduleCsv({}, {}, NameFields::guarded), "Round,Table,Team 1,Team 2\r\n");
}

} // namespace
} // namespace corvane::csv

#include "exports/RoundCsv.h"

#include <gtest/gtest.h>

namespace corvane::csv {
namespace {

// Names that need quoting keep every character inside the quotes.
const std::vector<std::string> names = {"Ann & Bob", "Smith, Jo & \"Q\"", " Eve & Fay", "Gus"};

TEST(RoundCsvTest, NextRoundTablesInOrderAndTheByeLast) {
    const std::vector<SeatingRow> rows = {{0, 1, 0, 1}, {0, 2, 3, 2, true}, {0, 0, 2, -1}};
    EXPECT_EQ(nextRoundCsv(rows, names, NameFields::guarded),
              "Table,Team 1,Team 2\r\n"
              "1,Ann & Bob,\"Smith, Jo & \"\"Q\"\"\"\r\n"
              "2,Gus,\" Eve & Fay\"\r\n"
              "Bye,\" Eve & Fay\",\r\n");
    EXPECT_EQ(nextRoundCsv({}, {}, NameFields::guarded), "Table,Team 1,Team 2\r\n");
}

TEST(RoundCsvTest, ScheduleRowsLedByTheirRound) {
    const std::vector<SeatingRow> rows = {{1, 1, 0, 3}, {1, 0, 1, -1}, {1, 0, 2, -1}, {2, 1, 1, 3}};
    EXPECT_EQ(scheduleCsv(rows, names, NameFields::guarded),
              "Round,Table,Team 1,Team 2\r\n"
              "1,1,Ann & Bob,Gus\r\n"
              "1,Bye,\"Smith, Jo & \"\"Q\"\"\",\r\n"
              "1,Bye,\" Eve & Fay\",\r\n"
              "2,1,\"Smith, Jo & \"\"Q\"\"\",Gus\r\n");
    EXPECT_EQ(scheduleCsv({}, {}, NameFields::guarded), "Round,Table,Team 1,Team 2\r\n");
}

} // namespace
} // namespace corvane::csv

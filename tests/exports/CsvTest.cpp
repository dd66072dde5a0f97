#include "exports/Csv.h"

#include "CaseTable.h"

#include <gtest/gtest.h>

namespace corvane::csv {
namespace {

TEST(CsvTest, FieldsAreQuotedOnlyWhereTheyMustBeWithQuotesDoubled) {
    const std::pair<std::vector<std::string>, std::string> rows[] = {
        {{"Pos", "Team", "W"}, "Pos,Team,W\r\n"},
        {{"1", "Ann & Bob", "3"}, "1,Ann & Bob,3\r\n"},
        {{"Smith, Jo", "say \"hi\"", ""}, "\"Smith, Jo\",\"say \"\"hi\"\"\",\r\n"},
        {{" padded ", "two\nlines", "Zoë"}, "\" padded \",\"two\nlines\",Zoë\r\n"},
        {{}, "\r\n"},
    };
    for (const auto& [fields, expected] : rows) {
        std::string out;
        appendRow(out, fields);
        EXPECT_EQ(out, expected);
    }
}

TEST(CsvTest, ANameASpreadsheetWouldRunAsAFormulaGetsAnApostropheFirst) {
    for (const testing::CaseRow& c : testing::readCaseTable(CORVANE_EXPORT_CASES "/names.tsv", 3)) {
        std::string forPeople, forPrograms;
        appendName(forPeople, c[0], NameFields::guarded);
        appendName(forPrograms, c[0], NameFields::exact);
        EXPECT_EQ(forPeople, c[1]) << ::testing::PrintToString(c[0]);
        EXPECT_EQ(forPrograms, c[2]) << ::testing::PrintToString(c[0]);
    }
}

} // namespace
} // namespace corvane::csv

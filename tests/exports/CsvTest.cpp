#include "exports/Csv.h"

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
    // The name, as written for people, as written exactly.
    const std::tuple<std::string, std::string, std::string> names[] = {
        {"=HYPERLINK(\"x\")", "\"'=HYPERLINK(\"\"x\"\")\"", "\"=HYPERLINK(\"\"x\"\")\""},
        {"+1", "'+1", "+1"},
        {"-Ann, Jo", "\"'-Ann, Jo\"", "\"-Ann, Jo\""},
        {"@SUM(A1)", "'@SUM(A1)", "@SUM(A1)"},
        {"\tx", "'\tx", "\tx"},
        {"\rx", "\"'\rx\"", "\"\rx\""},
        {" =x", "\" =x\"", "\" =x\""},
        {"Ann=1", "Ann=1", "Ann=1"},
        {"", "", ""},
    };
    for (const auto& [name, guarded, exact] : names) {
        std::string forPeople, forPrograms;
        appendName(forPeople, name, NameFields::guarded);
        appendName(forPrograms, name, NameFields::exact);
        EXPECT_EQ(forPeople, guarded) << ::testing::PrintToString(name);
        EXPECT_EQ(forPrograms, exact) << ::testing::PrintToString(name);
    }
}

} // namespace
} // namespace corvane::csv

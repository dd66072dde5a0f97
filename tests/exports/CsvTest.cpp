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

} // namespace
} // namespace corvane::csv

// Lists of names as organisers bring them: pasted lines, and CSV files with
// quoted fields, a header row and the names in any column.
#include "imports/NameList.h"

#include "CaseTable.h"
#include "imports/CsvReader.h"
#include "store/TextLines.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

using Lines = std::vector<std::string>;

TEST(NameListTest, PastedTextSplitsIntoLinesAsFilesAreRead) {
    const std::pair<std::string, Lines> cases[] = {
        {"", {}},
        {"Ann", {"Ann"}},
        {"Ann\nBob\n", {"Ann", "Bob"}},
        {"Ann\r\nBob\r\n", {"Ann", "Bob"}},
        {"Ann\n\n Bob \n\n", {"Ann", "", " Bob ", ""}},
        {"An\rn\r", {"An", "n"}}, // a lone carriage return ends a line, as in files
        {"A\n\rB\r\n\r\n", {"A", "", "B", ""}},
        {"\n", {""}},
    };
    for (const auto& [text, lines] : cases)
        EXPECT_EQ(splitLines(text), lines) << ::testing::PrintToString(text);
}

TEST(NameListTest, CsvRecordsFollowQuotesAcrossCommasAndLines) {
    const Lines lines = {"Player,Club",
                         "\"Smith, Jo\",\"The \"\"Aces\"\"\"",
                         "\"two",
                         "lines\",x",
                         "plain \"quote\" inside,",
                         "\"closed\" then text,\"never closed"};
    const std::vector<csv::Record> records = csv::readRecords(lines);
    ASSERT_EQ(records.size(), 5u);
    const std::pair<std::vector<std::string>, std::size_t> expected[] = {
        {{"Player", "Club"}, 1},
        {{"Smith, Jo", "The \"Aces\""}, 2},
        {{"two\nlines", "x"}, 3},
        {{"plain \"quote\" inside", ""}, 5},
        {{"closed then text", "never closed"}, 6},
    };
    for (std::size_t i = 0; i < records.size(); ++i) {
        EXPECT_EQ(records[i].fields, expected[i].first) << i;
        EXPECT_EQ(records[i].line, expected[i].second) << i;
    }
}

TEST(NameListTest, NamesComeFromTheWholeLineOrTheChosenColumn) {
    const Lines lines = {"Team,Player", "A,\"Smith, Jo\"", "B", "C, Zoë "};
    struct Case {
        ListLayout layout;
        std::vector<std::pair<std::string, std::size_t>> names;
    };
    const Case cases[] = {
        {{false, 1, true}, {{"Team,Player", 1}, {"A,\"Smith, Jo\"", 2}, {"B", 3}, {"C, Zoë ", 4}}},
        {{true, 1, true}, {{"Smith, Jo", 2}, {"", 3}, {" Zoë ", 4}}},
        {{true, 0, false}, {{"Team", 1}, {"A", 2}, {"B", 3}, {"C", 4}}},
        {{true, 7, false}, {{"", 1}, {"", 2}, {"", 3}, {"", 4}}},
    };
    for (const Case& c : cases) {
        std::vector<std::pair<std::string, std::size_t>> names;
        for (const ListedName& listed : listedNames(lines, c.layout))
            names.emplace_back(listed.name, listed.line);
        EXPECT_EQ(names, c.names) << c.layout.csv << c.layout.column << c.layout.headerRow;
    }
    EXPECT_EQ(csvColumnNames(lines), (Lines{"Team", "Player"}));
    EXPECT_EQ(csvColumnNames({}), Lines{});
    EXPECT_TRUE(listedNames({}, {true, 0, true}).empty());
}

TEST(NameListTest, AFileOfOtherThingsIsNoListOfNames) {
    for (const testing::CaseRow& c :
         testing::readCaseTable(CORVANE_IMPORT_CASES "/list-files.tsv", 2)) {
        const std::string &bytes = c[0], &reason = c[1];
        testing::TempDir dir;
        testing::writeBytes(dir.file("list.txt"), bytes);
        const std::optional<Lines> lines = readTextLines(dir.file("list.txt"));
        ASSERT_TRUE(lines || bytes.empty()) << ::testing::PrintToString(bytes);
        const std::optional<std::string> why = whyNotAListOfNames(lines.value_or(Lines{}));
        EXPECT_EQ(why.value_or("").substr(0, reason.size()), reason)
            << ::testing::PrintToString(bytes);
        EXPECT_EQ(why.has_value(), !reason.empty()) << ::testing::PrintToString(bytes);
    }
}

} // namespace
} // namespace corvane

// Lists of names as organisers bring them: pasted lines, and CSV files with
// quoted fields, a header row and the names in any column.
#include "imports/NameList.h"

#include "TempDir.h"
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

// Files chosen by mistake: a program, UTF-16 without its mark, a terminal log,
// against lists with a tab, a stray control character or another encoding.
TEST(NameListTest, AFileOfOtherThingsIsNoListOfNames) {
    using namespace std::string_literals;
    const std::string program = "\x7F"
                                "ELF\x02\x01\x01\0\0\0\0\0\0\0\0\0\x02\0>\0\x01\0\0\0\x10\x10@\0\n"
                                "GLIBC_2.2.5\0main\0__libc_start_main\0\n"s;
    // The file's bytes and the reason it is refused, empty when it is a list.
    const std::pair<std::string, std::string> cases[] = {
        {program, "it holds NUL characters"},
        {"A\0n\0n\0\n\0B\0o\0b\0\n\0"s, "it holds NUL characters"},
        {"\x1B[1m\x1B[0m\x01\x02\x03\x04\n\x05\x06\x07\x08\x0E\x0F\x10\x11ok\n", "most of its"},
        {"\xEE\x80\x80\xEE\x80\x81\xEE\x80\x82 x\n", "most of its"},
        {"Ann\tLee\nBob\x01\nZo\xEB M\xFCller\n", ""},
        {"\xFF\xFE"
         "A\0n\0n\0\r\0\n\0"s,
         ""},
        {"", ""},
    };
    for (const auto& [bytes, reason] : cases) {
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

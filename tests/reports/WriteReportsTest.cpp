// Publishing as a whole: exact pages, names safe in the markup and as files, and
// failures reported.
#include "ReportFixture.h"

#include <gtest/gtest.h>

namespace corvane::testing {
namespace {

namespace fs = std::filesystem;

// A leader board with both position forms and a team without games, and team pages
// with losses, wins (one recorded under other letter case) and a tie seen from both sides.
TEST(WriteReports, SmallTournamentPagesAreExactAndRepeatable) {
    ReportFixture t;
    for (const char* pair : {"Ann Bob", "Cid Dee", "Eve Fay", "Gus Hal", "Ivy Jos\xC3\xA9"})
        t.addTeam(std::string(pair, 3), pair + 4);
    t.addGame({120, 150, 2, 1, "Ann & Bob", "Cid & Dee"});
    t.addGame({100, 140, 0, 3, "Eve & Fay", "ann & bob"});
    t.addGame({90, 90, 1, 1, "Ann & Bob", "Gus & Hal"});
    t.addGame({200, 50, 0, 4, "Cid & Dee", "Gus & Hal"});
    t.addGame({130, 110, 2, 1, "Gus & Hal", "Eve & Fay"});

    for (int publish = 1; publish <= 2; ++publish) { // the same bytes again without a change
        ASSERT_TRUE(writeReports(t.store).ok());
        EXPECT_EQ(readPages(t.folder), goldenPages("small")) << "publish " << publish;
    }
    EXPECT_EQ(t.teamOrder(), (std::vector<std::string>{"Cid", "Ann", "Gus", "Ivy", "Eve"}));
}

// Names show exactly as typed, in text and links, and their pages are plain files in
// the folder: one per team even where names join to the same file, ignoring case as
// some file systems do, or to the leader board's.
TEST(WriteReports, UnsafeNamesAreEscapedAndGetPagesOfTheirOwnInTheFolder) {
    ReportFixture t;
    ASSERT_TRUE(writeReports(t.store).written.empty()) << "no teams, no pages";
    t.addTeam("<b>Ann</b>", "O'Neil \"Q\"");
    const std::pair<const char*, const char*> teams[] = {
        {"R&D", "50%#1"}, {"../../", "escape"}, {"/tmp/", "abs"},   {"AB", "D"},  {"A", "BD"},
        {"abd", ""},      {"ABD-", "2"},        {"tourna", "ment"}, {"A/B", "D"}, {"A_B", "D"}};
    for (const auto& [first, second] : teams)
        t.addTeam(first, second);
    t.addGame({100, 50, 0, 0, "<b>Ann</b> & O'Neil \"Q\"", "R&D & 50%#1"});
    const ReportOutcome outcome = writeReports(t.store);
    ASSERT_TRUE(outcome.ok());
    EXPECT_EQ(outcome.written.size(), 12u);
    EXPECT_EQ(std::distance(fs::recursive_directory_iterator(t.workingDirectory), {}), 13)
        << "nothing outside the tournament folder";
    EXPECT_EQ(readPages(t.folder), goldenPages("unsafe-names"));
}

TEST(WriteReports, NoneRowsAndAChangedPageRewrittenEvenAtTheSameSize) {
    ReportFixture t;
    t.addTeam("A", "B");
    t.addTeam("C", "D");
    t.addGame({120, 110, 0, 0, "A & B", "C & D"});
    ASSERT_TRUE(writeReports(t.store).ok());
    const auto before = goldenPages("all-played"); // "None" in both lists
    EXPECT_EQ(readPages(t.folder), before);
    t.store.games.front()->team1Score = 130;
    ASSERT_TRUE(writeReports(t.store).ok());
    const auto after = readPages(t.folder);
    EXPECT_EQ(after.at("AB.html").size(), before.at("AB.html").size());
    EXPECT_NE(after.at("AB.html").find(">130</span>"), std::string::npos);
    EXPECT_EQ(after.at("tournament.html"), before.at("tournament.html")) << "stored statistics";
}

TEST(WriteReports, FailedPagesAreReportedAndTheRestWritten) {
    ReportFixture t;
    t.addTeam("A", "B");
    t.addTeam("C", "D");
    // A folder where the leader board belongs cannot be replaced by a file.
    fs::create_directory(t.folder / "tournament.html");
    const ReportOutcome outcome = writeReports(t.store);
    ASSERT_EQ(outcome.failures.size(), 1u);
    EXPECT_EQ(outcome.failures[0].file(), (t.folder / "tournament.html").string());
    EXPECT_FALSE(outcome.failures[0].reason().empty());
    EXPECT_EQ(outcome.written.size(), 2u);
    const auto pages = readPages(t.folder); // and no half-written file left behind
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_NE(pages.at("CD.html").find("> C &amp; D</span>"), std::string::npos);
}

} // namespace
} // namespace corvane::testing

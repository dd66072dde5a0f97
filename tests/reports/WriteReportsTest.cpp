// Publishing as a whole: names are safe in the markup and as files, failures
// are reported, and the pages carry their character set.
#include "reports/WriteReports.h"

#include "ReportFixture.h"

#include <gtest/gtest.h>
#include <set>

namespace corvane::testing {
namespace {

std::size_t count(const std::string& text, const std::string& part) {
    std::size_t found = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
        ++found;
    }
    return found;
}

TEST(WriteReports, NamesAreEscapedInTextAndLinks) {
    ReportFixture t;
    setStatistics(t.addTeam("<b>Ann</b>", "O'Neil \"Q\""), 1, 1, 0, 100, 50, 0, 0, 100, 100);
    setStatistics(t.addTeam("R&D", "50%#1"), 1, 0, 1, 50, 100, 0, 0, 50, 50);
    t.addTeam("Zed", "Zoe");
    t.linkOpponents();
    t.addGame(100, 50, 0, 0, "<b>Ann</b> & O'Neil \"Q\"", "R&D & 50%#1");
    ASSERT_TRUE(writeReports(t.store).ok());

    const std::string board = t.readPage("tournament.html");
    EXPECT_EQ(count(board, "<b>Ann"), 0u);
    EXPECT_NE(board.find("<a href=\"_b_Ann__b_O&#39;Neil _Q_.html\">&lt;b&gt;Ann&lt;/b&gt; &amp; "
                         "O&#39;Neil &quot;Q&quot;</a>"),
              std::string::npos);
    // % and # would make the browser look for another file.
    EXPECT_NE(board.find("<a href=\"R&amp;D50%25%231.html\">R&amp;D &amp; 50%#1</a>"),
              std::string::npos);

    const std::string page = t.readPage("_b_Ann__b_O'Neil _Q_.html");
    EXPECT_NE(page.find("<span class=\"style27\"> &lt;b&gt;Ann&lt;/b&gt; &amp; O&#39;Neil "
                        "&quot;Q&quot;</span>"),
              std::string::npos);
    EXPECT_NE(page.find("&nbsp;&nbsp;R&amp;D &amp; 50%#1</span>"), std::string::npos);
    const std::string other = t.readPage("R&D50%#1.html");
    EXPECT_NE(other.find("<b>L:</b>&nbsp;&nbsp;&lt;b&gt;Ann&lt;/b&gt; &amp; O&#39;Neil"),
              std::string::npos);
    EXPECT_EQ(other.rfind("<head><meta charset=\"utf-8\"><title>", 0), 0u);
    EXPECT_EQ(board.rfind("<head><meta charset=\"utf-8\"><title>", 0), 0u);
}

TEST(WriteReports, PagesStayInsideTheTournamentFolder) {
    ReportFixture t;
    t.addTeam("../../", "escape");
    t.addTeam("/tmp/", "abs");
    t.addTeam("AB", "D");
    t.addTeam("A", "BD");
    t.linkOpponents();
    const ReportOutcome outcome = writeReports(t.store);
    ASSERT_TRUE(outcome.ok());
    ASSERT_EQ(outcome.written.size(), 5u);
    for (const std::string& path : outcome.written) {
        EXPECT_EQ(std::filesystem::path(path).parent_path(), t.folder) << path;
        EXPECT_TRUE(std::filesystem::is_regular_file(path)) << path;
    }
    std::size_t entries = 0;
    for (const auto& entry : std::filesystem::directory_iterator(t.workingDirectory)) {
        EXPECT_EQ(entry.path(), t.folder);
        ++entries;
    }
    EXPECT_EQ(entries, 1u);
    // Two teams that join to the same name each get their own page and link.
    const std::string board = t.readPage("tournament.html");
    EXPECT_NE(board.find("<a href=\"ABD.html\">AB &amp; D</a>"), std::string::npos);
    EXPECT_NE(board.find("<a href=\"ABD-2.html\">A &amp; BD</a>"), std::string::npos);
    EXPECT_NE(t.readPage("ABD-2.html").find("> A &amp; BD</span>"), std::string::npos);
}

TEST(WriteReports, TiesAndNoneRows) {
    ReportFixture t;
    setStatistics(t.addTeam("A", "B"), 1, 0, 0, 80, 80, 1, 2, 80, 80);
    setStatistics(t.addTeam("C", "D"), 1, 0, 0, 80, 80, 2, 1, 80, 80);
    t.linkOpponents();
    t.addGame(80, 80, 1, 2, "A & B", "C & D");
    ASSERT_TRUE(writeReports(t.store).ok());

    const std::string board = t.readPage("tournament.html");
    EXPECT_NE(board.find("<span class=\"style23\">None</span></td></tr>\n</table></body></html>\n"),
              std::string::npos);
    for (const char* name : {"AB.html", "CD.html"}) {
        const std::string page = t.readPage(name);
        EXPECT_NE(page.find("<td height=\"25\" bgcolor=\"#BBBBBB\"><span "
                            "class=\"style23\">&nbsp;<b>T:</b>&nbsp;&nbsp;"),
                  std::string::npos)
            << name;
        EXPECT_EQ(count(page, "<b>W:</b>") + count(page, "<b>L:</b>"), 0u) << name;
        EXPECT_EQ(count(page, ">None</span></td></tr>\n\n"), 1u) << name;
    }
}

TEST(WriteReports, FailedPagesAreReportedAndTheRestWritten) {
    ReportFixture t;
    t.addTeam("A", "B");
    t.addTeam("C", "D");
    t.linkOpponents();
    // A folder where the leader board belongs cannot be replaced by a file.
    std::filesystem::create_directory(t.folder / "tournament.html");
    ReportOutcome outcome = writeReports(t.store);
    ASSERT_EQ(outcome.failures.size(), 1u);
    EXPECT_FALSE(outcome.ok());
    EXPECT_EQ(outcome.failures[0].file(), (t.folder / "tournament.html").string());
    EXPECT_FALSE(outcome.failures[0].reason().empty());
    EXPECT_EQ(outcome.written.size(), 2u);
    EXPECT_FALSE(t.readPage("CD.html").empty());
    std::set<std::string> entries;
    for (const auto& entry : std::filesystem::directory_iterator(t.folder)) {
        entries.insert(entry.path().filename().string());
    }
    EXPECT_EQ(entries, (std::set<std::string>{"AB.html", "CD.html", "tournament.html"}));

    std::filesystem::remove_all(t.folder);
    outcome = writeReports(t.store);
    EXPECT_EQ(outcome.failures.size(), 3u);
    EXPECT_TRUE(outcome.written.empty());
}

TEST(WriteReports, AChangedPageIsRewrittenEvenAtTheSameSize) {
    ReportFixture t;
    setStatistics(t.addTeam("A", "B"), 1, 1, 0, 120, 110, 0, 0, 120, 120);
    setStatistics(t.addTeam("C", "D"), 1, 0, 1, 110, 120, 0, 0, 110, 110);
    t.linkOpponents();
    t.addGame(120, 110, 0, 0, "A & B", "C & D");
    ASSERT_TRUE(writeReports(t.store).ok());
    const std::string before = t.readPage("AB.html");

    t.store.games.front()->team1Score = 130;
    ASSERT_TRUE(writeReports(t.store).ok());
    const std::string after = t.readPage("AB.html");
    EXPECT_EQ(after.size(), before.size());
    EXPECT_NE(after.find(">130</span>"), std::string::npos);
}

TEST(WriteReports, NoTeamsWritesNothing) {
    ReportFixture t;
    const ReportOutcome outcome = writeReports(t.store);
    EXPECT_TRUE(outcome.ok());
    EXPECT_TRUE(outcome.written.empty());
    EXPECT_TRUE(std::filesystem::is_empty(t.folder));
}

} // namespace
} // namespace corvane::testing

// Publishing as a whole: exact pages, names safe in the markup and as files, and
// failures reported.
#include "ReportFixture.h"
#include "TestSystem.h"

namespace corvane::testing {
namespace {

namespace fs = std::filesystem;

// The small tournament's teams and its games but the last, which the tests
// add when they need it: Gus & Hal 130 (2 flags) vs Eve & Fay 110 (1 flag).
class SmallReports : public Reports {
protected:
    void smallTournamentButItsLastGame() {
        for (const char* pair : {"Ann Bob", "Cid Dee", "Eve Fay", "Gus Hal", "Ivy Jos\xC3\xA9"})
            addTeam(std::string(pair, 3), pair + 4);
        addGame("Ann & Bob", 120, "Cid & Dee", 150, 2, 1);
        addGame("Eve & Fay", 100, "ann & bob", 140, 0, 3);
        addGame("Ann & Bob", 90, "Gus & Hal", 90, 1, 1);
        addGame("Cid & Dee", 200, "Gus & Hal", 50, 0, 4);
    }
};

// A leader board with both position forms and a team without games, and team pages
// with losses, wins (one recorded under other letter case) and a tie seen from both sides.
TEST_F(SmallReports, SmallTournamentPagesAreExactRepeatableAndRewrittenWhenChanged) {
    smallTournamentButItsLastGame();
    addGame("Gus & Hal", 130, "Eve & Fay", 110, 2, 1);
    for (int publish = 1; publish <= 2; ++publish) { // the same bytes again without a change
        ASSERT_TRUE(writeReports(store).ok());
        EXPECT_EQ(pages(), golden("small")) << "publish " << publish;
    }
    // A page changed on disk to other bytes of the same size is still rewritten.
    std::string changed = pages().at("AnnBob.html");
    changed.replace(changed.find(">120</span>"), 10, ">130</span>");
    writeBytes(store.filePath("AnnBob.html"), changed);
    ASSERT_TRUE(writeReports(store).ok());
    EXPECT_EQ(pages(), golden("small"));
}

// After one game only its teams' pages and the leader board are written, and
// they make the same folder a whole publish makes.
TEST_F(SmallReports, AGamePublishesItsTwoTeamsAndTheBoardAsAWholePublishWould) {
    smallTournamentButItsLastGame();
    ASSERT_TRUE(writeReports(store).ok());
    addGame("Gus & Hal", 130, "Eve & Fay", 110, 2, 1);
    const ReportOutcome outcome =
        writeReportsOf(store, std::vector<std::string>{"gus & hal", "Eve & Fay"});
    ASSERT_TRUE(outcome.ok());
    std::vector<std::string> written;
    for (const std::string& path : outcome.written)
        written.push_back(fs::path(path).filename().string());
    EXPECT_EQ(written, (std::vector<std::string>{"tournament.html", "GusHal.html", "EveFay.html"}));
    EXPECT_EQ(pages(), golden("small"));
}

// Names show exactly as typed, in text and links, and their pages are plain files in
// the folder: one per team even where names join to the same file, ignoring case as
// some file systems do, or to the leader board's.
TEST_F(Reports, UnsafeNamesAreEscapedAndGetPagesOfTheirOwnInTheFolder) {
    ASSERT_TRUE(writeReports(store).written.empty()) << "no teams, no pages";
    addTeam("<b>Ann</b>", "O'Neil \"Q\"");
    const std::pair<const char*, const char*> teams[] = {
        {"R&D", "50%#1"}, {"../../", "escape"}, {"/tmp/", "abs"},   {"AB", "D"},  {"A", "BD"},
        {"abd", ""},      {"ABD-", "2"},        {"tourna", "ment"}, {"A/B", "D"}, {"A_B", "D"}};
    for (const auto& [first, second] : teams)
        addTeam(first, second);
    addGame("<b>Ann</b> & O'Neil \"Q\"", 100, "R&D & 50%#1", 50);
    ASSERT_TRUE(writeReports(store).ok());
    EXPECT_EQ(std::distance(fs::recursive_directory_iterator(dir.path()), {}), 14)
        << "nothing outside the tournament folder";
    EXPECT_EQ(pages(), golden("unsafe-names"));
}

TEST_F(Reports, AllPlayedShowsNoneAndAFailedPageIsReportedWithTheRestWritten) {
    addTeam("A", "B");
    addTeam("C", "D");
    addGame("A & B", 120, "C & D", 110);
    ASSERT_TRUE(writeReports(store).ok());
    EXPECT_EQ(pages(), golden("all-played")); // "None" in both lists
    // A folder where the leader board belongs cannot be replaced by a file.
    fs::remove(store.filePath("tournament.html"));
    fs::create_directory(store.filePath("tournament.html"));
    const ReportOutcome outcome = writeReports(store);
    ASSERT_EQ(outcome.failures.size(), 1u);
    EXPECT_EQ(outcome.failures[0].file(), store.filePath("tournament.html"));
    EXPECT_EQ(outcome.written.size(), 2u);
    EXPECT_EQ(pages().size(), 2u) << "no half-written file left behind";
}

// Teams whose pages would share a name keep their own page name when results
// change their order.
TEST_F(Reports, EachTeamKeepsItsPageNameAcrossPublishes) {
    addTeam("ann", "bob");
    addTeam("Ann", "Bob");
    addTeam("ANN", "BOB ");
    const auto pageOf = [&](const std::string& team) {
        for (const auto& [name, page] : pages())
            if (name != "tournament.html" &&
                page.find("> " + team + "</span>") != std::string::npos)
                return name;
        return std::string("none");
    };
    ASSERT_TRUE(writeReports(store).ok());
    const std::vector<std::string> before{pageOf("ann &amp; bob"), pageOf("Ann &amp; Bob"),
                                          pageOf("ANN &amp; BOB ")};
    // The last team wins and leads; the first loses and trails.
    addGame("ANN & BOB ", 200, "ann & bob", 100);
    ASSERT_TRUE(writeReports(store).ok());
    EXPECT_EQ(store.teams()[0].teamName, "ANN & BOB ");
    EXPECT_EQ(
        (std::vector{pageOf("ann &amp; bob"), pageOf("Ann &amp; Bob"), pageOf("ANN &amp; BOB ")}),
        before);
    EXPECT_EQ(pages().size(), 4u) << "no stale page left";

    // A later program (a restart, an undo, a restore) knows the pages written
    // before it: a renamed team's old page goes all the same.
    TournamentStore later;
    later.workingDirectory = store.workingDirectory;
    later.tournamentFolder = store.tournamentFolder;
    for (const char* player : {"ann", "bob", "Ann", "Bob", "ANN", "BOB "})
        later.addPlayer(player);
    later.buildTeam("ann", "bob");
    later.buildTeam("Ann", "Bob");
    later.buildTeam("ANN", "Bobby");
    later.refreshOpponentLists();
    ASSERT_TRUE(writeReports(later).ok());
    EXPECT_EQ(pages().size(), 4u) << "the page of the team renamed is gone";
}

// A page keeps the permissions its owner gave it, whatever the umask says.
TEST_F(Reports, EachPageKeepsItsModeAcrossPublishes) {
    CORVANE_POSIX_ONLY("permission bits and the umask");
    addTeam("Ann", "Bob");
    addTeam("Cid", "Dee");
    ASSERT_TRUE(writeReports(store).ok());
    fs::permissions(store.filePath("AnnBob.html"), fs::perms(0644));
    const unsigned previous = setCreationMask(077);
    addGame("Cid & Dee", 200, "Ann & Bob", 100);
    const ReportOutcome outcome = writeReports(store);
    setCreationMask(previous);
    ASSERT_TRUE(outcome.ok());
    EXPECT_EQ(fs::status(store.filePath("AnnBob.html")).permissions(), fs::perms(0644));
}

} // namespace
} // namespace corvane::testing

// What becomes of each name of a list: the refusals and their reasons, decided
// as Add Player decides a typed name, and the names as a person sees them.
#include "imports/NameReview.h"

#include "CaseTable.h"
#include "StoreFixture.h"

#include <gtest/gtest.h>

namespace corvane::testing {
namespace {

class NameReviewTest : public StoreTestBase {
protected:
    NameReview review(const std::vector<std::string>& names) const {
        std::vector<ListedName> listed;
        for (std::size_t i = 0; i < names.size(); ++i)
            listed.push_back({names[i], i + 1});
        return reviewNames(std::move(listed), store);
    }
};

TEST_F(NameReviewTest, EachNameIsAddedOrRefusedWithItsReason) {
    store.addPlayer("Anna");
    store.addPlayer("Zoë");
    const std::vector<CaseRow> cases = readCaseTable(CORVANE_IMPORT_CASES "/name-review.tsv", 2);
    std::vector<std::string> names, added;
    for (const CaseRow& c : cases)
        names.push_back(c[0]);
    const NameReview result = review(names);
    ASSERT_EQ(result.decisions.size(), cases.size());
    for (std::size_t i = 0; i < cases.size(); ++i) {
        EXPECT_EQ(decisionText(result.decisions[i]), cases[i][1]) << i;
        EXPECT_EQ(result.decisions[i].listed.line, i + 1);
        if (cases[i][1] == "will be added")
            added.push_back(cases[i][0]);
    }
    EXPECT_EQ(result.namesToAdd(), added);
    EXPECT_EQ(result.addedCount, added.size());
}

TEST_F(NameReviewTest, AddingTheReviewedNamesAddsThemInListOrderWithOneWrite) {
    store.addPlayer("Anna");
    const NameReview result = review({"Cy", "anna", "Bob", "cy"});
    store.addPlayers(result.namesToAdd());
    ASSERT_TRUE(store.writePlayers().ok());
    EXPECT_EQ(readBytes(dir.file("Tournament1/players.txt")),
              "PLAYER Anna\nPLAYER Cy\nPLAYER Bob\n");
    EXPECT_TRUE(store.hasPlayer("BOB"));
    // Judged again, every name is now taken.
    EXPECT_EQ(review({"Cy", "Bob"}).addedCount, 0u);
}

TEST(VisibleName, ShowsBlanksAtEitherEndAndControlCharacters) {
    for (const CaseRow& c : readCaseTable(CORVANE_IMPORT_CASES "/visible-names.tsv", 2))
        EXPECT_EQ(visibleName(c[0]), c[1]) << ::testing::PrintToString(c[0]);
}

} // namespace
} // namespace corvane::testing

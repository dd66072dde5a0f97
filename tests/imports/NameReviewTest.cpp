// What becomes of each name of a list: the refusals and their reasons, decided
// as Add Player decides a typed name, and the names as a person sees them.
#include "imports/NameReview.h"

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
    struct Case {
        std::string name;
        std::string decision;
    };
    // In list order: a name refused for repeating refers to the earlier line.
    const Case cases[] = {
        {"Bob", "will be added"},
        {"", "refused: empty"},
        {"anna", "refused: already registered"},
        {"ZOË", "refused: already registered"},
        {"BOB", "refused: twice in the list (as on line 1)"},
        {" Bob", "will be added"}, // blanks count, as when typed
        {" ", "will be added"},
        {"  ", "will be added"},
        {"Ann\tKim", "refused: holds a line break or another control character"},
        {"Ann\rKim", "refused: holds a line break or another control character"},
        {std::string("Ann\0Kim", 7), "refused: holds a line break or another control character"},
        {"Ann\x7FKim", "refused: holds a line break or another control character"},
        {"Ann\xC2\x85Kim", "refused: holds a line break or another control character"},
        {"Ann\xE2\x80\xA8Kim", "refused: holds a line break or another control character"},
        {"Ann\xE2\x80\xA9Kim", "refused: holds a line break or another control character"},
        {"Ann\xC2\xA0Kim", "will be added"}, // a no-break space is no control character
        {"Anna & Bob", "will be added"},     // only player names are compared
        {" bob", "refused: twice in the list (as on line 6)"},
        {"Ann\tKim", "refused: holds a line break or another control character"},
        {"", "refused: empty"},
    };
    std::vector<std::string> names;
    for (const Case& c : cases)
        names.push_back(c.name);
    const NameReview result = review(names);
    ASSERT_EQ(result.decisions.size(), std::size(cases));
    std::vector<std::string> added;
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        EXPECT_EQ(decisionText(result.decisions[i]), cases[i].decision) << i;
        EXPECT_EQ(result.decisions[i].listed.line, i + 1);
        if (cases[i].decision == "will be added")
            added.push_back(cases[i].name);
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
    const std::pair<std::string, std::string> cases[] = {
        {"Ann", "Ann"},
        {" Ann ", "\xE2\x90\xA3"
                  "Ann\xE2\x90\xA3"},
        {"Ann Lee", "Ann Lee"}, // blanks inside show as they are
        {"  ", "\xE2\x90\xA3\xE2\x90\xA3"},
        {"\xC2\xA0Zo\xC3\xAB", "\xE2\x90\xA3Zo\xC3\xAB"},
        {"Ann\tKim", "Ann\xE2\x90\x89Kim"},
        {"Ann\nKim\x7F", "Ann\xE2\x90\x8AKim\xE2\x90\xA1"},
        {"A\xC2\x85"
         "B",
         "A\xEF\xBF\xBD"
         "B"},
        {"", ""},
    };
    for (const auto& [name, visible] : cases)
        EXPECT_EQ(visibleName(name), visible) << ::testing::PrintToString(name);
}

} // namespace
} // namespace corvane::testing

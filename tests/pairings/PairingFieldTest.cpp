// The pairing problem of a store: places from the standings of every team,
// and the meetings from the recorded games, names compared as the store does.
#include "pairings/PairingField.h"

#include "PairingPrinters.h"
#include "StoreFixture.h"

#include <set>
#include <utility>

namespace corvane::testing {
namespace {

class PairingFieldTest : public StoreTestBase {
protected:
    PairingFieldTest() {
        for (const char* pair : {"Ann Bob", "Cid Dee", "Eve Fay", "Gus Hal", "Ivy Jo"})
            addTeam(std::string(pair, 3), pair + 4);
    }
    std::vector<std::string> storeOrder() const {
        std::vector<std::string> names;
        for (const TeamRecord& team : store.teams())
            names.push_back(team.teamName);
        return names;
    }
    // Every pair of place indexes the problem says have met.
    static std::set<std::pair<int, int>> metPairs(const PairingProblem& problem) {
        std::set<std::pair<int, int>> pairs;
        for (int a = 0; a < problem.teamCount(); ++a)
            for (int b = a + 1; b < problem.teamCount(); ++b)
                if (problem.met(a, b))
                    pairs.insert({a, b});
        return pairs;
    }
};

TEST_F(PairingFieldTest, PlacesFollowTheStandingsOfAllTeamsAndTheStoreKeepsItsOrder) {
    addGame("Cid & Dee", 150, "eve & fay", 100); // another letter case counts for Eve & Fay
    addGame("Gus & Hal", 120, "Ann & Bob", 110);
    const std::vector<std::string> before = storeOrder();
    const std::optional<PairingField> field = pairingField(store);
    ASSERT_TRUE(field);
    // Two wins by margin, then Ivy & Jo without games (all keys 0), then two losses by margin.
    EXPECT_EQ(field->names, (std::vector<std::string>{"Cid & Dee", "Gus & Hal", "Ivy & Jo",
                                                      "Ann & Bob", "Eve & Fay"}));
    EXPECT_EQ(storeOrder(), before);
    EXPECT_EQ(field->problem.teamCount(), 5);
    EXPECT_EQ(metPairs(field->problem), (std::set<std::pair<int, int>>{{0, 4}, {1, 3}}));
}

TEST_F(PairingFieldTest, AMeetingCountsOnceEitherWayRoundAndUnknownOrSelfGamesMeetNobody) {
    // Without games the places are the store's order and nobody has met.
    ASSERT_TRUE(pairingField(store));
    EXPECT_EQ(pairingField(store)->names, storeOrder());
    EXPECT_EQ(pairingField(store)->problem.metPairCount(), 0u);
    // Equal scores change no team's standing keys, so the places stay the store's.
    addGame("Ann & Bob", 100, "Cid & Dee", 100);
    addGame("CID & DEE", 90, "ann & bob", 90);
    addGame("Eve & Fay", 80, "Ivy & Jo", 80);
    addGame("Gus & Hal", 70, "Nobody & Else", 70);
    addGame("Gus & Hal", 60, "gus & hal", 60);
    const std::optional<PairingField> field = pairingField(store);
    ASSERT_TRUE(field);
    ASSERT_EQ(field->names, storeOrder());
    EXPECT_EQ(metPairs(field->problem), (std::set<std::pair<int, int>>{{0, 1}, {2, 4}}));
    EXPECT_EQ(field->problem.metPairCount(), 2u);
}

} // namespace
} // namespace corvane::testing

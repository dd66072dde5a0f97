#include "reports/Standings.h"

#include "ReportFixture.h"

#include <gtest/gtest.h>

namespace corvane::testing {
namespace {

std::vector<std::string> teamOrder(const TournamentStore& store) {
    std::vector<std::string> names;
    for (const auto& team : store.teams) {
        names.push_back(team->firstPlayer);
    }
    return names;
}

TEST(Standings, RatioThenDifferenceThenMarginAndStableOtherwise) {
    ReportFixture t;
    // Inserted so that only the three keys can produce the expected order.
    setStatistics(t.addTeam("none1", "x"), 0, 0, 0, 0, 0, 0, 0, 0, 0);
    setStatistics(t.addTeam("lost2", "x"), 2, 0, 2, 10, 30, 0, 0, 10, 0);
    setStatistics(t.addTeam("tied", "x"), 1, 0, 0, 50, 50, 0, 0, 50, 50);
    setStatistics(t.addTeam("half-neg", "x"), 2, 1, 1, 100, 110, 0, 0, 60, 40);
    setStatistics(t.addTeam("half-zero", "x"), 4, 2, 2, 200, 200, 0, 0, 60, 40);
    setStatistics(t.addTeam("half-pos", "x"), 2, 1, 1, 120, 100, 0, 0, 60, 40);
    setStatistics(t.addTeam("3-1", "x"), 4, 3, 1, 400, 300, 0, 0, 120, 60);
    setStatistics(t.addTeam("6-2", "x"), 8, 6, 2, 800, 600, 0, 0, 120, 60);
    setStatistics(t.addTeam("9-1", "x"), 10, 9, 1, 1000, 500, 0, 0, 120, 60);
    setStatistics(t.addTeam("1-0", "x"), 1, 1, 0, 100, 90, 0, 0, 100, 100);
    setStatistics(t.addTeam("none2", "x"), 0, 0, 0, 0, 0, 0, 0, 0, 0);
    // 1 win in 2 games and 2 wins in 4 store the same ratio: equal on every key.
    setStatistics(t.addTeam("equal-a", "x"), 2, 1, 0, 100, 100, 0, 0, 50, 50);
    setStatistics(t.addTeam("equal-b", "x"), 4, 2, 1, 200, 200, 0, 0, 50, 50);

    const std::vector<std::string> expected = {
        "1-0",       "9-1",      "6-2",   "3-1",  "equal-a", "equal-b", "half-pos",
        "half-zero", "half-neg", "none1", "tied", "none2",   "lost2"};
    orderStandings(t.store);
    EXPECT_EQ(teamOrder(t.store), expected);
    orderStandings(t.store);
    EXPECT_EQ(teamOrder(t.store), expected);
}

TEST(Standings, PositionLabelsAreEnglishOrdinals) {
    const std::pair<int, const char*> cases[] = {
        {1, "1st"},     {2, "2nd"},       {3, "3rd"},      {4, "4th"},     {10, "10th"},
        {11, "11th"},   {12, "12th"},     {13, "13th"},    {21, "21st"},   {22, "22nd"},
        {23, "23rd"},   {101, "101st"},   {102, "102nd"},  {111, "111th"}, {112, "112th"},
        {113, "113th"}, {1000, "1000th"}, {1021, "1021st"}};
    for (const auto& [position, label] : cases) {
        EXPECT_EQ(positionLabel(position), label) << position;
    }
}

} // namespace
} // namespace corvane::testing

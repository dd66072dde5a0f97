#include "reports/Standings.h"

#include "ReportFixture.h"

#include <cmath>
#include <gtest/gtest.h>
#include <tuple>

namespace corvane::testing {
namespace {

TEST(Standings, RatioThenDifferenceThenMarginExactlyAsStoredAndStableOtherwise) {
    ReportFixture t;
    // Inserted so that only the three keys, compared without rounding, give the order.
    const float third = 1 / 3.0f, aboveThird = std::nextafter(third, 1.0f);
    const std::tuple<const char*, float, int, float> teams[] = {
        {"even", .5f, 0, 0},          {"margin", .5f, 0, 10}, {"less", .5f, 0, -5},
        {"diff", .5f, 2, -5},         {"ratio", .6f, -1, -9}, {"none", 0, 0, 0},
        {"even2", .5f, 0, 0},         {"third", third, 0, 0}, {"lost", 0, -2, 0},
        {"third+", aboveThird, 0, 0}, {"none2", 0, 0, 0}};
    for (const auto& [name, ratio, difference, margin] : teams) {
        TeamRecord& added = t.addTeam(name, "x");
        added.winRatio = ratio;
        added.winLossDifference = difference;
        added.averageMargin = margin;
    }
    orderStandings(t.store);
    EXPECT_EQ(t.teamOrder(),
              (std::vector<std::string>{"ratio", "diff", "margin", "even", "even2", "less",
                                        "third+", "third", "none", "none2", "lost"}));
}

TEST(Standings, PositionLabelsAreEnglishOrdinals) {
    const std::pair<int, const char*> cases[] = {
        {1, "1st"},     {2, "2nd"},     {3, "3rd"},     {4, "4th"},     {11, "11th"},
        {12, "12th"},   {13, "13th"},   {21, "21st"},   {22, "22nd"},   {23, "23rd"},
        {101, "101st"}, {111, "111th"}, {112, "112th"}, {113, "113th"}, {1021, "1021st"}};
    for (const auto& [position, label] : cases)
        EXPECT_EQ(positionLabel(position), label) << position;
}

} // namespace
} // namespace corvane::testing

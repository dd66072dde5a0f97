// The parts of a page: standings order, position labels and page file names.
#include "CaseTable.h"
#include "ReportFixture.h"
#include "reports/PageNames.h"
#include "reports/PageText.h"
#include "reports/Standings.h"

#include <cmath>
#include <cstdio>

namespace corvane::testing {
namespace {

TEST_F(Reports, StandingsByRatioThenDifferenceThenMarginExactlyAsStoredAndStableOtherwise) {
    // Inserted so that only the three keys, compared without rounding, give the order.
    const float third = 1 / 3.0f, aboveThird = std::nextafter(third, 1.0f);
    const std::tuple<const char*, float, int, float> teams[] = {
        {"even", .5f, 0, 0},          {"margin", .5f, 0, 10}, {"less", .5f, 0, -5},
        {"diff", .5f, 2, -5},         {"ratio", .6f, -1, -9}, {"none", 0, 0, 0},
        {"even2", .5f, 0, 0},         {"third", third, 0, 0}, {"lost", 0, -2, 0},
        {"third+", aboveThird, 0, 0}, {"none2", 0, 0, 0}};
    std::vector<TeamRecord> records(std::size(teams));
    for (std::size_t i = 0; i < records.size(); ++i) {
        std::tie(records[i].firstPlayer, records[i].winRatio, records[i].winLossDifference,
                 records[i].averageMargin) = teams[i];
    }
    // The store's reorder is a stable sort by this rule.
    std::stable_sort(records.begin(), records.end(), standsBefore);
    std::vector<std::string> order;
    for (const TeamRecord& team : records)
        order.push_back(team.firstPlayer);
    EXPECT_EQ(order, (std::vector<std::string>{"ratio", "diff", "margin", "even", "even2", "less",
                                               "third+", "third", "none", "none2", "lost"}));
}

TEST(PositionLabel, EnglishOrdinals) {
    const std::pair<int, const char*> cases[] = {
        {1, "1st"},     {2, "2nd"},     {3, "3rd"},     {4, "4th"},     {11, "11th"},
        {12, "12th"},   {13, "13th"},   {21, "21st"},   {22, "22nd"},   {23, "23rd"},
        {101, "101st"}, {111, "111th"}, {112, "112th"}, {113, "113th"}, {1021, "1021st"}};
    for (const auto& [position, label] : cases)
        EXPECT_EQ(positionLabel(position), label) << position;
}

TEST(OneDecimal, AsPrintfPrintsIt) {
    // Ties of the exact value, values just beside them, signs and zeros, and
    // magnitudes where a plain product no longer tells.
    std::vector<double> values = {0.05,    0.15, 0.25,   0.35,  2.45,      -0.05, -0.04, -0.0,
                                  0.0,     1e9,  -3e12,  1e300, 123.45,    99.95, 0.95,  -99.95,
                                  1.0 / 3, 2.5,  1e-320, NAN,   -INFINITY, 17.75};
    for (const double tie : {0.25, 12.35, 1234.65}) {
        values.push_back(std::nextafter(tie, 0.0));
        values.push_back(std::nextafter(tie, 1e9));
    }
    // Every average of up to 300 games of whole scores, as the pages show them.
    for (int games = 1; games <= 300; games += 7)
        for (int total = -1800 * 3; total <= 1800 * 3; total += 97)
            values.push_back(static_cast<double>(static_cast<float>(total) / games));
    for (const double value : values) {
        char expected[400];
        std::snprintf(expected, sizeof expected, "%.1f", value);
        std::string out;
        appendOneDecimal(out, value);
        EXPECT_EQ(out, expected) << value;
    }
}

// Each step's teams (first and second players) get the names a fresh look
// gives, whatever the steps before them left remembered.
TEST(TeamPageNames, RememberedOnlyForTheSameTeamsEachOnce) {
    using Teams = std::vector<std::pair<const char*, const char*>>;
    const Teams steps[] = {{{"Ann", "Bob"}, {"Cy", "Dee"}},
                           {{"Cy", "Dee"}, {"Ann", "Bob"}},
                           {{"Ann", "Bob"}, {"Ann", "Bob"}},
                           {{"Ann", "Bob"}, {"Cy", "Dee"}},
                           {{"Ann", "Bob"}, {"Cy", "Eve"}},
                           {{"ann", "bob"}, {"Ann", "Bob"}},
                           {{"Ann", "Bob"}}};
    for (const Teams& step : steps) {
        std::vector<std::unique_ptr<TeamRecord>> owned;
        for (const auto& [first, second] : step) {
            auto team = std::make_unique<TeamRecord>();
            team->firstPlayer = first;
            team->secondPlayer = second;
            team->teamName = std::string(first) + " & " + second;
            owned.push_back(std::move(team));
        }
        const RecordList<TeamRecord> teams(owned);
        EXPECT_EQ(rememberedTeamPageNames(teams), uniqueTeamPageNames(teams))
            << step.size() << " teams, first " << step.front().first;
    }
}

TEST_F(Reports, TeamPageNamesStayPlainOrBecomeSafe) {
    for (const CaseRow& c : readCaseTable(CORVANE_REPORT_CASES "/page-names.tsv", 3))
        EXPECT_EQ(teamPageName(addTeam(c[0], c[1])), c[2]) << c[0] << c[1];
    // Long names are cut at a character boundary.
    std::string accents;
    for (int i = 0; i < 150; ++i)
        accents += "\xC3\xA9";
    EXPECT_EQ(teamPageName(addTeam("x", accents)), "x" + accents.substr(0, 198) + ".html");
    EXPECT_EQ(teamPageName(addTeam(std::string(500, 'a'), "")),
              std::string(maxPageStemBytes, 'a') + ".html");
}

} // namespace
} // namespace corvane::testing

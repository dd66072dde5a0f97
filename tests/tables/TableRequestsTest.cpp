// What a request to the tables' server may do: only a table's own valid link
// submits, bad requests are refused with their status, names are escaped,
// and one address cannot flood the program.
#include "CaseTable.h"
#include "ServiceFixture.h"
#include "tables/StandingsPage.h"
#include "tables/TableToken.h"

#include <set>

namespace corvane::testing {
namespace {

using namespace corvane::tables;

TEST(TableTokens, AreLongRandomAndDistinct) {
    const RandomBytes system = systemRandom();
    std::set<std::string> tokens;
    constexpr int count = 200;
    for (int i = 0; i < count; ++i) {
        const std::string token = makeToken(system);
        ASSERT_EQ(token.size(), 2 * tokenBytes) << "128 bits in hex";
        ASSERT_EQ(token.find_first_not_of("0123456789abcdef"), std::string::npos);
        tokens.insert(token);
    }
    EXPECT_EQ(tokens.size(), std::size_t{count});
}

TEST_F(ServiceTest, OnlyATablesOwnOpenLinkSubmits) {
    const std::string first = link(1);
    const std::string second = link(2);
    // A wrong token, none, one cut short, then the table's own.
    const std::pair<std::string, int> paths[] = {{"/t/0123456789abcdef0123456789abcdef", 404},
                                                 {"/t/", 404},
                                                 {first.substr(0, first.size() - 1), 404},
                                                 {first, 200}};
    int id = 0;
    for (const auto& [path, status] : paths) {
        const std::string body = form("entry-row-" + std::to_string(++id), "10", "20");
        EXPECT_EQ(request("POST", path, body).status, status) << path;
    }
    ASSERT_EQ(saved.size(), 0u) << "entered by one team only";
    // Another table's link enters that table's game, never this one's.
    EXPECT_EQ(request("POST", second, form("other-table-entry", "30", "40")).status, 200);
    ASSERT_EQ(service.queue().items().size(), 2u);
    EXPECT_EQ(service.queue().items()[0].table, 1);
    EXPECT_EQ(service.queue().items()[1].table, 2);
    EXPECT_EQ(service.queue().items()[1].game.team1Name, "Eve & Fay");

    // The next round revokes every link of the last.
    service.openRound({{"Ann & Bob", "Eve & Fay"}}, random);
    for (const std::string& old : {first, second}) {
        EXPECT_EQ(request("GET", old).status, 404);
        EXPECT_EQ(request("POST", old, form("revoked-entry", "1", "2", true)).status, 404);
    }
    EXPECT_EQ(request("GET", link(1)).status, 200);
    service.endRound();
    EXPECT_TRUE(service.tables().tables().empty());
    EXPECT_TRUE(saved.empty());
}

TEST_F(ServiceTest, ARetryNeverSavesTwiceAndASavedTableTakesNoMore) {
    service.setSaveConfirmed(true);
    const std::string body = form("phone-entry-1", "150", "120", true);
    for (int attempt = 0; attempt < 3; ++attempt) {
        const Response response = send(1, body);
        EXPECT_EQ(response.status, 200);
        EXPECT_EQ(response.body, "saved") << "attempt " << attempt;
    }
    ASSERT_EQ(saved.size(), 1u);
    EXPECT_EQ(saved[0].table, 1);
    EXPECT_EQ(saved[0].game.team1Name, "Ann & Bob");
    EXPECT_EQ(saved[0].game.team2Score, 120);
    EXPECT_EQ(saved[0].game.team2Flags, 1);
    EXPECT_EQ(send(1, form("phone-entry-2", "1", "2", true)).body, "saved");
    EXPECT_EQ(saved.size(), 1u) << "a new entry after the save is not taken";
    EXPECT_NE(request("GET", link(1)).body.find("is saved"), std::string::npos);
}

TEST_F(ServiceTest, BadRequestsAreRefusedWithTheirStatus) {
    const auto rows = readCaseTable(CORVANE_TABLES_CASES "/bad-requests.tsv", 6);
    ASSERT_FALSE(rows.empty());
    for (const CaseRow& row : rows) {
        const Response response = request(row[1], row[2] == "{table}" ? link(1) : row[2], row[3]);
        EXPECT_EQ(response.status, std::stoi(row[4])) << row[0];
        if (!row[5].empty()) {
            EXPECT_EQ(response.body, row[5]) << row[0];
        }
    }
    EXPECT_TRUE(service.queue().items().empty());
    struct Good {
        std::string s1, s2, f1;
    };
    int id = 0;
    for (const Good& good : {Good{"0", "0", ""}, Good{"1800", "", "-2"}, Good{"", "7", "7"}}) {
        const std::string body = "id=good-entry-" + std::to_string(++id) + "&s1=" + good.s1 +
                                 "&f1=" + good.f1 + "&s2=" + good.s2 + "&f2=0";
        EXPECT_EQ(send(1, body).status, 200) << body;
    }
}

TEST_F(ServiceTest, AnyTwoTeamsMustBeTwoDifferentKnownTeams) {
    service.openAnyTeams(2, {"Ann & Bob", "Cy & Dee"}, random);
    struct Row {
        std::string teams;
        int status;
        std::string says;
    };
    const Row rows[] = {
        {"&t1=Ann+%26+Bob", 422, "You must select a team from each drop down box."},
        {"&t1=Ann+%26+Bob&t2=Zo+%26+Co", 422, "You must select a team from each drop down box."},
        {"&t1=Ann+%26+Bob&t2=Ann+%26+Bob", 422, "You have the same team selected twice!"},
        {"&t1=Cy+%26+Dee&t2=Ann+%26+Bob", 200, "waiting-organiser"},
    };
    int id = 0;
    for (const Row& row : rows) {
        const Response response =
            send(2, form("any-teams-" + std::to_string(++id), "5", "6", true, row.teams));
        EXPECT_EQ(response.status, row.status) << row.teams;
        EXPECT_EQ(response.body, row.says) << row.teams;
    }
    ASSERT_EQ(service.queue().items().size(), 1u);
    EXPECT_EQ(service.queue().items()[0].game.team1Name, "Cy & Dee");
    EXPECT_NE(request("GET", link(1)).body.find("<option value=\"Cy &amp; Dee\">"),
              std::string::npos);
}

TEST_F(ServiceTest, EveryNameOnEveryPageIsEscaped) {
    service.setBoardRows("<tr><td>1st</td><td>x</td></tr>");
    const std::string page = request("GET", link(2)).body;
    EXPECT_EQ(page.find("<b>Gus</b>"), std::string::npos);
    EXPECT_NE(page.find("&lt;b&gt;Gus&lt;/b&gt; &amp; Hal"), std::string::npos);
    const Response standings = request("GET", "/standings");
    EXPECT_EQ(standings.status, 200);
    EXPECT_NE(standings.body.find("<td>1st</td>"), std::string::npos);
    EXPECT_EQ(request("GET", "/standings/rows").body, "<tr><td>1st</td><td>x</td></tr>");
}

TEST_F(ServiceTest, TheStandingsStreamCarriesTheRowsAsEvents) {
    struct Row {
        std::string rows;
        std::string event;
    };
    for (const Row& row :
         {Row{"", "data: \n\n"}, Row{"<tr>a</tr>\n", "data: <tr>a</tr>\n\n"},
          Row{"<tr>a</tr>\n<tr>b</tr>\n", "data: <tr>a</tr>\ndata: <tr>b</tr>\n\n"}}) {
        EXPECT_EQ(boardEvent(row.rows), row.event);
    }
    service.setBoardRows("<tr>a</tr>\n");
    const Response stream = request("GET", std::string(standingsEventsPath));
    EXPECT_TRUE(stream.stream);
    EXPECT_EQ(stream.contentType, "text/event-stream");
    EXPECT_EQ(stream.body, "data: <tr>a</tr>\n\n");
    EXPECT_FALSE(request("GET", "/standings").stream);
    EXPECT_EQ(request("POST", std::string(standingsEventsPath)).status, 405);
}

TEST_F(ServiceTest, TooManyRequestsFromOneAddressAreRefusedForAWhile) {
    RateLimiter limiter({3, std::chrono::seconds(10), std::chrono::seconds(60)});
    using std::chrono::seconds;
    struct Row {
        std::string address;
        seconds at;
        bool allowed;
    };
    const Row rows[] = {
        {"10.0.0.2", seconds(0), true},  {"10.0.0.2", seconds(1), true},
        {"10.0.0.2", seconds(2), true},  {"10.0.0.2", seconds(3), false},
        {"10.0.0.3", seconds(3), true},  {"10.0.0.2", seconds(30), false},
        {"10.0.0.2", seconds(64), true}, {"10.0.0.2", seconds(65), true},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(limiter.allow(row.address, Clock::time_point(row.at)), row.allowed)
            << row.address << " at " << row.at.count();
    }
    for (int i = 0; i < RateLimits{}.requests; ++i) {
        request("GET", "/standings");
    }
    EXPECT_EQ(request("GET", "/standings").status, 429);
    EXPECT_EQ(request("GET", "/standings", "", "10.0.0.9").status, 200);
}

} // namespace
} // namespace corvane::testing

// The tables' web server on the loopback address only: what a phone's
// requests do to the tournament through the one door, and what the room's
// screens are shown. Every wait is bounded.
#include "CaseTable.h"
#include "LoopbackRequests.h"
#include "OpenTournament.h"
#include "history/ChangeHistory.h"
#include "history/Journal.h"
#include "platform/Changes.h"
#include "platform/TableDesk.h"

#include <QTcpSocket>

namespace corvane::testing {
namespace {

class TableServerTest : public OpenTournamentTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(platform::applyChange(
            nullptr, history::AddPlayers{{"Ann", "Bob", "Cy", "Dee", "<b>Eve</b>", "Fay"}}));
        for (const auto& [a, b] : {std::pair{"Ann", "Bob"}, {"Cy", "Dee"}, {"<b>Eve</b>", "Fay"}})
            ASSERT_TRUE(platform::applyChange(nullptr, history::BuildTeam{a, b}));
        ASSERT_EQ(desk.start(QHostAddress::LocalHost, 0), QString());
        desk.openRound({{"Ann & Bob", "Cy & Dee"}, {"<b>Eve</b> & Fay", "Ann & Bob"}});
    }

    QString link(int table) const {
        return desk.linkOf(desk.service().tables().tables()[static_cast<std::size_t>(table - 1)]);
    }
    Reply ask(const QByteArray& method, const QString& url, const QByteArray& body = {}) {
        return testing::ask(network, method, url, body);
    }
    QString url(const QString& path) const { return desk.address() + path; }

    platform::TableDesk desk{
        nullptr, tables::RateLimits{1000, std::chrono::seconds(10), std::chrono::seconds(60)}};
    QNetworkAccessManager network;
};

TEST_F(TableServerTest, ListensOnLoopbackAndAnswersOnlyItsOwnPages) {
    EXPECT_TRUE(desk.address().startsWith(QStringLiteral("http://127.0.0.1:")));
    // The method and the path reach the tables as sent; which is refused is theirs to say.
    EXPECT_EQ(ask("GET", url(QStringLiteral("/tournament.html"))).status, 404);
    EXPECT_EQ(ask("DELETE", link(1)).status, 405);
    EXPECT_EQ(ask("GET", link(2)).status, 200);
    EXPECT_EQ(ask("POST", link(1), QByteArray(8192, 'x')).status, 413);

    desk.stop();
    EXPECT_TRUE(desk.address().isEmpty());
}

TEST_F(TableServerTest, AnotherTournamentOpenedClosesTheTablesOfTheLast) {
    const QString first = link(1);
    emit platform::changeSignals().changed(); // a change within the same tournament
    EXPECT_EQ(desk.service().tables().tables().size(), 2u);
    store().tournamentFolder = "Tournament2";
    emit platform::changeSignals().changed();
    EXPECT_TRUE(desk.service().tables().tables().empty());
    EXPECT_EQ(ask("GET", first).status, 404);
}

TEST_F(TableServerTest, AConfirmedResultIsSavedThroughTheDoorWithItsTable) {
    desk.setSaveConfirmed(true);
    const Reply reply =
        ask("POST", link(1), "id=phone-entry-0001&s1=150&f1=1&s2=120&f2=0&both=1&device=test");
    EXPECT_EQ(std::pair(reply.status, reply.body), std::pair(200, QByteArray("saved")));
    ASSERT_EQ(store().games().size(), 1u);
    EXPECT_EQ(store().games()[0].team1Name, "Ann & Bob");
    EXPECT_EQ(store().games()[0].team1Flags, 1);
    std::size_t damaged = 0;
    const auto lines = history::readJournal(history::journalPath(store()), damaged);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.back().action, history::saveGameAction);
    EXPECT_EQ(lines.back().fields.back(), "table 1");
    EXPECT_EQ(history::undoLabel(store()), "Save Game Ann & Bob vs Cy & Dee");
    EXPECT_TRUE(ask("GET", url(QStringLiteral("/standings/rows")))
                    .body.startsWith("<tr><td>1st</td><td>Ann &amp; Bob</td><td>1</td>"));
    EXPECT_TRUE(ask("GET", link(1)).body.contains("is saved"));
}

TEST_F(TableServerTest, ARequestThatMustNotBeReadIsCutUnread) {
    for (const CaseRow& row : readCaseTable(CORVANE_PLATFORM_CASES "/unread-requests.tsv", 2)) {
        QTcpSocket client;
        client.connectToHost(QHostAddress::LocalHost, desk.port());
        ASSERT_TRUE(client.waitForConnected(replyMilliseconds)) << row[0];
        client.write(QByteArray::fromStdString(row[1]));
        EXPECT_TRUE(QTest::qWaitFor(
            [&] { return client.state() == QAbstractSocket::UnconnectedState; }, replyMilliseconds))
            << row[0];
        EXPECT_FALSE(client.readAll().contains("HTTP/1.1")) << row[0] << ": never answered";
    }
    EXPECT_EQ(ask("GET", url(QStringLiteral("/standings"))).status, 200) << "still serving";
}

TEST_F(TableServerTest, TheStandingsStreamSendsTheRowsAfterEveryChange) {
    QTcpSocket screen;
    screen.connectToHost(QHostAddress::LocalHost, desk.port());
    ASSERT_TRUE(screen.waitForConnected(replyMilliseconds));
    screen.write("GET /standings/events HTTP/1.1\r\nHost: localhost\r\n\r\n");
    QByteArray received;
    const auto receivedEvents = [&](int count) {
        return QTest::qWaitFor(
            [&] {
                received += screen.readAll();
                return received.count("\n\n") >= count;
            },
            replyMilliseconds);
    };
    ASSERT_TRUE(receivedEvents(1)) << received.toStdString();
    EXPECT_TRUE(received.startsWith("HTTP/1.1 200 OK\r\n"));
    EXPECT_TRUE(received.contains("Content-Type: text/event-stream"));
    EXPECT_FALSE(received.contains("Content-Length"));
    EXPECT_TRUE(received.contains("data: <tr><td>1st</td>"));

    // A game typed in Game Results reaches the screens as one reaches them from a table.
    ASSERT_TRUE(platform::applyChange(
        nullptr, history::SaveGame{GameRecord{10, 200, 0, 0, "Ann & Bob", "Cy & Dee"}, {}}));
    ASSERT_TRUE(receivedEvents(2)) << received.toStdString();
    EXPECT_TRUE(received.mid(received.indexOf("\n\n"))
                    .startsWith("\n\ndata: <tr><td>1st</td><td>Cy &amp; Dee</td><td>1</td>"))
        << received.toStdString();
}

TEST_F(TableServerTest, ManyTablesSendingTwiceSaveEachGameOnce) {
    constexpr int tableCount = 40;
    const auto player = [](int team, const char* which) {
        return "P" + std::to_string(team) + which;
    };
    const auto team = [&](int i) { return player(i, "a") + " & " + player(i, "b"); };
    std::vector<std::string> players;
    std::vector<std::pair<std::string, std::string>> pairs;
    for (int i = 0; i < 2 * tableCount; ++i)
        players.insert(players.end(), {player(i, "a"), player(i, "b")});
    ASSERT_TRUE(platform::applyChange(nullptr, history::AddPlayers{players}));
    for (int i = 0; i < 2 * tableCount; ++i)
        ASSERT_TRUE(
            platform::applyChange(nullptr, history::BuildTeam{player(i, "a"), player(i, "b")}));
    for (int i = 0; i < 2 * tableCount; i += 2)
        pairs.emplace_back(team(i), team(i + 1));
    desk.openRound(pairs);
    desk.setSaveConfirmed(true);
    const std::size_t before = store().games().size();
    std::vector<QNetworkReply*> replies;
    for (int round = 0; round < 2; ++round) {
        for (int table = 1; table <= tableCount; ++table) {
            replies.push_back(
                startRequest(network, "POST", link(table),
                             QByteArray("id=load-entry-") + QByteArray::number(table) +
                                 "&s1=" + QByteArray::number(table) + "&f1=0&s2=5&f2=0&both=1"));
        }
    }
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            return std::all_of(replies.begin(), replies.end(),
                               [](QNetworkReply* r) { return r->isFinished(); });
        },
        replyMilliseconds * 3));
    for (QNetworkReply* reply : replies) {
        EXPECT_EQ(reply->readAll(), "saved");
        reply->deleteLater();
    }
    EXPECT_EQ(store().games().size(), before + tableCount);
}

} // namespace
} // namespace corvane::testing

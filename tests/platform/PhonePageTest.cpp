// The phone page in a real browser engine (Qt WebEngine, offscreen) against
// the program's server on the loopback address: a table enters its game,
// the other team confirms, the connection is lost and the page sends again
// until the program answers, and the game is saved once. Every wait is bounded.
#include "OpenTournament.h"
#include "PageScript.h"
#include "platform/Changes.h"
#include "platform/TableDesk.h"

#include <QTest>
#include <QWebEnginePage>
#include <QWebEngineProfile>

namespace corvane::testing {
namespace {

// The engine's sandbox cannot start as root (as in CI's containers); the
// pages it loads are the program's own.
const bool sandboxOff = qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");

constexpr int loadMilliseconds = 30000;
// Longer than the page's wait between two sends.
constexpr int resendMilliseconds = 20000;

class PhonePageTest : public OpenTournamentTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(
            platform::applyChange(nullptr, history::AddPlayers{{"Ann", "Bob", "Cy", "Dee"}}));
        ASSERT_TRUE(platform::applyChange(nullptr, history::BuildTeam{"Ann", "Bob"}));
        ASSERT_TRUE(platform::applyChange(nullptr, history::BuildTeam{"Cy", "Dee"}));
        ASSERT_EQ(desk.start(QHostAddress::LocalHost, 0), QString());
        desk.openRound({{"Ann & Bob", "Cy & Dee"}});
        desk.setSaveConfirmed(true);
    }

    bool load(const QString& url) {
        bool loaded = false;
        bool ok = false;
        QObject::connect(&page, &QWebEnginePage::loadFinished, &page, [&](bool success) {
            loaded = true;
            ok = success;
        });
        page.load(QUrl(url));
        EXPECT_TRUE(QTest::qWaitFor([&] { return loaded; }, loadMilliseconds)) << url.toStdString();
        QObject::disconnect(&page, &QWebEnginePage::loadFinished, &page, nullptr);
        return ok;
    }
    // Runs `script` in the page and returns its value as text.
    QString run(const QString& script) { return runScript(page, script).toString(); }
    QString status() {
        return run(QStringLiteral("document.getElementById('message').textContent"));
    }

    platform::TableDesk desk;
    QWebEngineProfile profile; // off the record: nothing kept after the test
    QWebEnginePage page{&profile};
};

TEST_F(PhonePageTest, AnEntryConfirmedAndSentAgainAfterALostConnectionIsSavedOnce) {
    const QString link = desk.linkOf(desk.service().tables().tables()[0]);
    ASSERT_TRUE(load(link));
    EXPECT_EQ(run("document.getElementById('t2').textContent"), "Cy & Dee");

    // Checks as Game Results checks them.
    run("document.getElementById('s1').value='1801';document.getElementById('next').click()");
    EXPECT_EQ(run("document.getElementById('problem').textContent"),
              "You have entered an invalid score for Team 1!");

    run("document.getElementById('s1').value='150';document.getElementById('s2').value='120';"
        "document.getElementById('f2').value='2';document.getElementById('next').click()");
    EXPECT_EQ(run("document.getElementById('check').textContent"),
              "Ann & Bob 150 (flags 0) vs Cy & Dee 120 (flags 2)");

    // The connection is lost just as the other team confirms.
    const quint16 port = desk.port();
    desk.stop();
    run("document.getElementById('both').click()");
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return status().startsWith("No answer yet"); }, resendMilliseconds));
    EXPECT_TRUE(store().games().empty());

    ASSERT_EQ(desk.start(QHostAddress::LocalHost, port), QString());
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return status() == "Saved. Thank you."; }, resendMilliseconds));
    ASSERT_EQ(store().games().size(), 1u);
    EXPECT_EQ(store().games()[0].team2Flags, 2);

    // Reopened, the link says the game is saved; nothing is sent twice.
    ASSERT_TRUE(load(link));
    EXPECT_TRUE(run("document.body.textContent").contains("is saved"));
    QTest::qWait(100);
    EXPECT_EQ(store().games().size(), 1u);
}

TEST_F(PhonePageTest, TheStandingsPageFollowsAChangeWithoutBeingReloaded) {
    ASSERT_TRUE(load(desk.address() + "/standings"));
    const QString rows = QStringLiteral("document.getElementById('rows').textContent");
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return run(rows).startsWith("1stAnn & Bob0"); }, loadMilliseconds));
    ASSERT_TRUE(platform::applyChange(
        nullptr, history::SaveGame{GameRecord{10, 200, 0, 0, "Ann & Bob", "Cy & Dee"}, {}}));
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return run(rows).startsWith("1stCy & Dee1"); }, loadMilliseconds))
        << run(rows).toStdString();
}

} // namespace
} // namespace corvane::testing

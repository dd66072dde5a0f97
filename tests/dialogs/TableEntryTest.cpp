// The Table Entry window offscreen: the server it starts on the loopback
// address, the tables and their codes, and what the queue hands to the door
// when the organiser accepts, edits or rejects a result from a table.
#include "res/ids/TableEntry.h"

#include "LoopbackRequests.h"
#include "OpenTournament.h"
#include "dialogs/CorrectGameDialog.h"
#include "dialogs/TableEntryDialog.h"
#include "history/ChangeHistory.h"
#include "platform/Changes.h"
#include "platform/DialogTemplate.h"
#include "platform/TableDesk.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTcpServer>
#include <fstream>

namespace corvane::dialogs {
namespace {

namespace id = ids::tableEntry;

class TableEntryTest : public testing::OpenTournamentTest {
protected:
    TableEntryTest() {
        for (const char* pair : {"Ann Bob", "Cid Dee", "Eve Fay", "Gus Hal"}) {
            store().addPlayers({std::string(pair, 3), pair + 4});
            store().buildTeam(std::string(pair, 3), pair + 4);
        }
        store().refreshOpponentLists();
        desk().setSaveConfirmed(false);
        desk().openRound({{"Ann & Bob", "Cid & Dee"}, {"Eve & Fay", "Gus & Hal"}});
    }
    ~TableEntryTest() override { desk().stop(); }

    static platform::TableDesk& desk() { return platform::TableDesk::instance(); }
    // Starts the server through the window on the loopback address, on a
    // port the system found free a moment before.
    static void startOnLoopback(TableEntryDialog& window) {
        QComboBox& interfaces = control<QComboBox>(window, id::interfaceChoice);
        interfaces.setCurrentIndex(interfaces.findData(QStringLiteral("127.0.0.1")));
        ASSERT_GE(interfaces.currentIndex(), 0);
        QTcpServer probe;
        ASSERT_TRUE(probe.listen(QHostAddress::LocalHost, 0));
        const quint16 port = probe.serverPort();
        probe.close();
        control<QSpinBox>(window, id::port).setValue(port);
        control<QPushButton>(window, id::startStop).click();
        ASSERT_TRUE(desk().running());
        EXPECT_EQ(desk().port(), port);
    }
    testing::Reply send(int table, const QByteArray& body) {
        const auto& tables = desk().service().tables().tables();
        return testing::ask(network, "POST",
                            desk().linkOf(tables[static_cast<std::size_t>(table - 1)]), body);
    }
    static QString cell(const QWidget& window, int row, int column) {
        const QTableWidgetItem* item = control<QTableWidget>(window, id::queue).item(row, column);
        return item ? item->text() : QString();
    }
    static void choose(QWidget& window, int row) {
        control<QTableWidget>(window, id::queue).selectRow(row);
    }

    QNetworkAccessManager network;
};

TEST_F(TableEntryTest, ShowsTablesWithCodesAndHandsAcceptedAndEditedResultsToTheDoor) {
    TableEntryDialog window;
    EXPECT_EQ(control<QLabel>(window, id::address).text(), "The server is off.");
    startOnLoopback(window);
    const QString address = control<QLabel>(window, id::address).text();
    EXPECT_TRUE(address.startsWith("http://127.0.0.1:")) << address.toStdString();
    EXPECT_EQ(control<QPushButton>(window, id::startStop).text(), "S&top");
    EXPECT_FALSE(control<QComboBox>(window, id::interfaceChoice).isEnabled());

    QTableWidget& tables = control<QTableWidget>(window, id::tables);
    ASSERT_EQ(tables.rowCount(), 2);
    EXPECT_EQ(tables.item(1, 1)->text(), "Eve & Fay vs Gus & Hal");
    EXPECT_TRUE(tables.item(1, 3)->text().startsWith(address + "/t/"));
    tables.selectRow(1);
    EXPECT_FALSE(control<QLabel>(window, id::qrCode).pixmap().isNull());

    control<QSpinBox>(window, id::anyTeamsCount).setValue(3);
    control<QPushButton>(window, id::anyTeams).click();
    ASSERT_EQ(tables.rowCount(), 3);
    EXPECT_EQ(tables.item(0, 1)->text(), "Any two teams");

    services.files.saved.path = QString::fromStdString(services.dir.path() + "/cards.pdf");
    control<QPushButton>(window, id::printCards).click();
    EXPECT_TRUE(services.messages.shown.empty());
    EXPECT_EQ(services.dir.read("cards.pdf").substr(0, 4), "%PDF");

    // Results from the first round's tables wait in the queue for the organiser.
    desk().openRound({{"Ann & Bob", "Cid & Dee"}, {"Eve & Fay", "Gus & Hal"}});
    EXPECT_EQ(send(1, "id=phone-one-0001&s1=150&f1=1&s2=120&f2=0&both=0").body, "waiting-other");
    EXPECT_EQ(send(2, "id=phone-two-0001&s1=90&f1=0&s2=80&f2=2&both=1").body, "waiting-organiser");
    ASSERT_EQ(control<QTableWidget>(window, id::queue).rowCount(), 2);
    EXPECT_EQ(cell(window, 0, 1), "Ann & Bob vs Cid & Dee");
    EXPECT_EQ(cell(window, 0, 2) + cell(window, 0, 4), "150 - 120Entered by one team");
    EXPECT_EQ(cell(window, 1, 3) + cell(window, 1, 4), "0 - 2Confirmed by both teams");
    EXPECT_TRUE(cell(window, 1, 5).startsWith("127.0.0.1"));
    EXPECT_TRUE(store().games().empty()) << "nothing is saved without the organiser";

    choose(window, 0);
    control<QPushButton>(window, id::accept).click();
    ASSERT_EQ(store().games().size(), 1u);
    EXPECT_EQ(store().games()[0].team1Score, 150);
    EXPECT_EQ(cell(window, 0, 4), "Saved");

    services.dialogs.answer = [](QDialog& dialog) {
        dialog.findChildren<QLineEdit*>().front()->setText("95");
        return QDialog::Accepted;
    };
    choose(window, 1);
    control<QPushButton>(window, id::edit).click();
    ASSERT_EQ(services.dialogs.runs.size(), 1u);
    EXPECT_EQ(services.dialogs.runs[0].first, "Correct Game");
    ASSERT_EQ(store().games().size(), 2u);
    EXPECT_EQ(store().games()[1].team1Score, 95);
    EXPECT_EQ(store().games()[1].team2Flags, 2);
    EXPECT_EQ(cell(window, 1, 2), "95 - 80");
    EXPECT_EQ(history::undoLabel(store()), "Save Game Eve & Fay vs Gus & Hal");

    control<QPushButton>(window, id::startStop).click();
    EXPECT_EQ(control<QLabel>(window, id::address).text(), "The server is off.");
    EXPECT_FALSE(desk().running());
}

TEST_F(TableEntryTest, ARejectedResultIsNotSavedAndAConfirmedOneIsSavedWhenSwitchedOn) {
    TableEntryDialog window;
    startOnLoopback(window);
    send(1, "id=phone-one-0001&s1=10&f1=0&s2=20&f2=0&both=1");
    choose(window, 0);
    control<QPushButton>(window, id::reject).click();
    EXPECT_EQ(cell(window, 0, 4), "Rejected");
    control<QPushButton>(window, id::accept).click();
    EXPECT_TRUE(store().games().empty());
    ASSERT_FALSE(services.messages.shown.empty()) << "a rejected result cannot be accepted";

    control<QCheckBox>(window, id::saveConfirmed).setChecked(true);
    // A team renamed since the tables opened: the door refuses, and the window says why.
    ASSERT_TRUE(platform::applyChange(nullptr, history::RenamePlayer{"Ann", "Anne"}));
    EXPECT_EQ(send(1, "id=phone-one-0003&s1=10&f1=0&s2=20&f2=0&both=1").body, "waiting-organiser");
    EXPECT_TRUE(store().games().empty());
    EXPECT_EQ(cell(window, 1, 4), "Confirmed by both teams");
    EXPECT_TRUE(control<QLabel>(window, id::problem).text().contains("Ann & Bob"))
        << control<QLabel>(window, id::problem).text().toStdString();
    EXPECT_EQ(send(2, "id=phone-two-0001&s1=90&f1=0&s2=80&f2=0&both=1").body, "saved");
    EXPECT_EQ(cell(window, 2, 4), "Saved");
    EXPECT_TRUE(control<QLabel>(window, id::problem).text().isEmpty());
    EXPECT_EQ(control<QTableWidget>(window, id::tables).item(1, 2)->text(), "Saved");

    // New tables drop a waiting result only when the organiser says so.
    send(1, "id=phone-one-0002&s1=10&f1=0&s2=20&f2=0&both=0");
    services.messages.clear();
    services.messages.answerNo();
    control<QPushButton>(window, id::anyTeams).click();
    ASSERT_EQ(services.messages.shown.size(), 1u);
    EXPECT_EQ(control<QTableWidget>(window, id::queue).rowCount(), 3);
    services.messages.answerYes();
    control<QPushButton>(window, id::anyTeams).click();
    EXPECT_EQ(control<QTableWidget>(window, id::queue).rowCount(), 0);
    EXPECT_EQ(control<QTableWidget>(window, id::tables).item(0, 1)->text(), "Any two teams");
}

} // namespace
} // namespace corvane::dialogs

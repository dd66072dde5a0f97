// The main window's Export menu on a tournament in a temporary working
// directory: the Save dialog faked, the files it writes and the messages shown.
#include "app/ExportMenu.h"

#include "TestServices.h"
#include "app/MainDialog.h"
#include "exports/Csv.h"
#include "platform/DialogTemplate.h"
#include "res/ids/ExportMenu.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <gtest/gtest.h>

namespace corvane::testing {
namespace {

namespace id = ids::exportMenu;

class ExportMenuTest : public ::testing::Test {
protected:
    ExportMenuTest() {
        dir.write("tournament.dat", "TOURNAMENT 2\n");
        dir.write("Tournament2/players.txt", "PLAYER Zo\xC3\xAB\nPLAYER Bob\nPLAYER Solo\n");
        dir.write("Tournament2/teams.txt", "TEAM Zo\xC3\xAB & Bob\n");
        window = std::make_unique<app::MainDialog>();
        window->setDefaultImagesFolder("");
    }
    // Chooses `file` in the Save dialog with filter `filter`, then runs `command`.
    void exportAs(int command, const std::string& file, int filter) {
        services.files.saved = {QString::fromStdString(dir.file(file)), filter};
        platform::command(*window, command)->trigger();
    }

    TestServices services;
    WorkingDirectory& dir = services.dir;
    std::unique_ptr<app::MainDialog> window;
};

TEST_F(ExportMenuTest, StandsBesideTournamentWithOneCommandPerTable) {
    const QList<QAction*> menus = platform::templateMenuBar(*window)->actions();
    ASSERT_GE(menus.size(), 2);
    EXPECT_EQ(menus[0]->text(), "Tournament");
    EXPECT_EQ(menus[1]->text(), "&Export");
    QStringList commands;
    for (QAction* action : menus[1]->menu()->actions())
        commands << action->objectName() + " " + action->text();
    EXPECT_EQ(commands, (QStringList{"32801 &Standings\u2026", "32802 &Games\u2026",
                                     "32803 &Players\u2026", "32804 &Teams\u2026"}));
}

TEST_F(ExportMenuTest, SavesTheChosenTableWithAByteOrderMarkOnlyForSpreadsheets) {
    const std::string players = "Player,Team\r\nZo\xC3\xAB,Zo\xC3\xAB & Bob\r\n"
                                "Bob,Zo\xC3\xAB & Bob\r\nSolo,\r\n";
    exportAs(id::players, "plain.csv", 0);
    exportAs(id::players, "sheet.csv", 1);
    exportAs(id::teams, "teams.csv", 0);
    EXPECT_EQ(dir.read("plain.csv"), players);
    EXPECT_EQ(dir.read("sheet.csv"), std::string(csv::byteOrderMark) + players);
    EXPECT_EQ(dir.read("teams.csv"),
              "Team,Player 1,Player 2\r\nZo\xC3\xAB & Bob,Zo\xC3\xAB,Bob\r\n");
    EXPECT_TRUE(services.messages.shown.empty());

    // What the Save dialog was asked, and by whom.
    ASSERT_EQ(services.files.saveRequests.size(), 3u);
    const auto& [owner, request] = services.files.saveRequests.front();
    EXPECT_EQ(owner, window.get());
    EXPECT_EQ(request.title, "Export Players");
    EXPECT_EQ(request.filters,
              (QStringList{"CSV (*.csv)", "CSV for spreadsheet programs (*.csv)"}));
    EXPECT_EQ(request.startPath.toStdString(), dir.file("Tournament2-players.csv"));
}

TEST_F(ExportMenuTest, CancelWritesNothingAndAFailedWriteIsAnErrorNamingTheFile) {
    services.files.saved = {};
    platform::command(*window, id::standings)->trigger();
    EXPECT_EQ(services.files.saveRequests.size(), 1u);
    EXPECT_TRUE(services.messages.shown.empty());

    // The chosen file's folder is missing: the old file stays, the reason is shown.
    exportAs(id::games, "gone/games.csv", 0);
    ASSERT_EQ(services.messages.captions(), std::vector<QString>{"Error"});
    const ShownBox& box = services.messages.shown.front();
    EXPECT_EQ(box.owner, window.get());
    EXPECT_TRUE(
        box.text.startsWith("Could not save " + QString::fromStdString(dir.file("gone/games.csv"))))
        << box.text.toStdString();
    EXPECT_FALSE(std::filesystem::exists(dir.file("gone")));
}

TEST_F(ExportMenuTest, ATournamentNotReadWholeIsNotExported) {
    // A folder where games.txt belongs cannot be read; the window said so on opening.
    window.reset();
    std::filesystem::create_directories(dir.file("Tournament2/games.txt/in-the-way"));
    window = std::make_unique<app::MainDialog>();
    ASSERT_EQ(services.messages.captions(), std::vector<QString>{"Error"});
    services.messages.clear();
    exportAs(id::standings, "standings.csv", 0);
    ASSERT_EQ(services.messages.captions(), std::vector<QString>{"Error"});
    EXPECT_TRUE(services.messages.shown.front().text.contains("games.txt"));
    EXPECT_TRUE(services.files.saveRequests.empty());
    EXPECT_FALSE(std::filesystem::exists(dir.file("standings.csv")));
}

} // namespace
} // namespace corvane::testing

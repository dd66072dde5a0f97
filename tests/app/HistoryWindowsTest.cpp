// Edit > History and Edit > Restore from Backup show what the door keeps: the
// journal in words, the versions with a damaged one that cannot be chosen,
// and what a restore would change named record by record.
#include "OpenTournament.h"
#include "app/HistoryDialog.h"
#include "app/RestoreDialog.h"
#include "history/ApplyChange.h"
#include "history/ChangeHistory.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTreeWidget>
#include <fstream>

namespace corvane::testing {
namespace {

class HistoryWindowsTest : public OpenTournamentTest {
protected:
    HistoryWindowsTest() {
        for (history::Change change :
             {history::Change(history::AddPlayers{{"Ann", "Bob", "Cy", "Dee"}}),
              history::Change(history::BuildTeam{"Ann", "Bob"}),
              history::Change(history::BuildTeam{"Cy", "Dee"}),
              history::Change(history::SaveGame{GameRecord{150, 120, 1, 0, "Ann & Bob", "Cy & Dee"},
                                                std::nullopt}),
              history::Change(history::RenamePlayer{"Cy", "Cyd"})})
            EXPECT_TRUE(history::applyChange(store(), change).done);
    }
};

TEST_F(HistoryWindowsTest, HistoryShowsTimeChangeAndDetailsNewestFirst) {
    std::ofstream(history::journalPath(store()), std::ios::app) << "torn line\n";
    app::HistoryDialog dialog;
    auto* list = dialog.findChild<QTreeWidget*>("changes");
    ASSERT_NE(list, nullptr);
    // Each row without its time, which is checked apart: a local time, not ISO's.
    QStringList changes = rows(*list);
    for (QString& row : changes)
        row.remove(0, row.indexOf(" | ") + 3);
    EXPECT_EQ(changes, (QStringList{"Rename Player | Cy \u2192 Cyd",
                                    "Save Game | Game 1: Ann & Bob 150 (1 flag) vs Cy & Dee 120",
                                    "Build Team | Cy & Dee", "Build Team | Ann & Bob",
                                    "Add Player | Ann, Bob, Cy, Dee"}));
    EXPECT_FALSE(list->topLevelItem(0)->text(0).contains('T'));
    EXPECT_EQ(dialog.findChild<QLabel*>("damaged")->text(),
              "1 damaged line of the journal is left out.");
}

TEST_F(HistoryWindowsTest, RestoreOffersWholeVersionsNamesWhatChangesAndRefusesADamagedOne) {
    // The newest version (before the rename) cut off in the middle of a line.
    const auto versions = history::listVersions(store(), 10);
    ASSERT_EQ(versions.size(), 5u);
    const std::string games = versions[1].folder + "/games.txt";
    std::filesystem::remove(games);
    std::ofstream(games) << "GAME\n{\n   TEAM1_NAME Ann";
    app::RestoreDialog dialog;
    auto* table = dialog.findChild<QTableWidget*>("versions");
    QPushButton* restore = nullptr;
    for (QPushButton* button : dialog.findChildren<QPushButton*>())
        if (button->text() == "&Restore")
            restore = button;
    ASSERT_NE(restore, nullptr);
    auto* change = dialog.findChild<QLabel*>("change");
    ASSERT_EQ(table->rowCount(), 5) << "one row per change";
    EXPECT_EQ(table->item(1, 4)->text(), "Damaged: games.txt ends in the middle of a line");
    table->selectRow(1);
    EXPECT_FALSE(restore->isEnabled());
    EXPECT_TRUE(change->text().startsWith("This version is damaged"));
    table->selectRow(0);
    EXPECT_TRUE(change->text().contains("Players back: Cy\nPlayers gone: Cyd\nTeams back: Cy & "
                                        "Dee\nTeams gone: Cyd & Dee"))
        << change->text().toStdString();
    EXPECT_TRUE(restore->isEnabled());
    EXPECT_GE(table->minimumWidth(), table->horizontalHeader()->length());
}

} // namespace
} // namespace corvane::testing

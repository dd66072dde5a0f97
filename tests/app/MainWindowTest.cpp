// The main window on a temporary working directory, every platform service faked:
// its menus and commands, the files they write and the messages they show.
#include "res/ids/MainWindow.h"

#include "TestServices.h"
#include "app/MainDialog.h"
#include "app/TournamentSummary.h"
#include "exports/Csv.h"
#include "history/ApplyChange.h"
#include "history/ChangeHistory.h"
#include "history/Transaction.h"
#include "platform/Changes.h"
#include "platform/DialogTemplate.h"
#include "platform/ScreenIdentity.h"
#include "res/ids/Display.h"
#include "res/ids/ExportMenu.h"
#include "res/ids/Rounds.h"
#include "res/ids/TableEntry.h"
#include "store/TournamentStore.h"

#include <QAction>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QTest>
#include <gtest/gtest.h>

namespace corvane::testing {
namespace {

using Captions = std::vector<QString>;
using Runs = std::vector<std::pair<QString, QWidget*>>;
using Calls = std::vector<std::string>;
namespace id = ids::mainWindow;
constexpr int startNew = id::startNewTournament, loadArchived = id::loadArchivedTournament;

class MainWindowTest : public ::testing::Test {
protected:
    TestServices services;
    WorkingDirectory& dir = services.dir;
    std::unique_ptr<app::MainDialog> window;

    void open() {
        window = std::make_unique<app::MainDialog>();
        window->setDefaultImagesFolder("");
    }
    // Tournament `number` is the current one and holds `players`.
    void current(int number, const std::string& players = "PLAYER Ann\n") const {
        dir.write("tournament.dat", "TOURNAMENT " + std::to_string(number) + "\n");
        dir.write("Tournament" + std::to_string(number) + "/players.txt", players);
    }
    static TournamentStore& store() { return *TournamentStore::instance; }
    const std::vector<ShownBox>& shown() const { return services.messages.shown; }
    // Which of the four buttons are shown: all ("1111") or none ("0000").
    QString buttons() const {
        QString shown;
        for (int button :
             {id::addPlayer, id::teamBuilder, id::enterGameResults, id::viewTournamentResults})
            shown += platform::control<QPushButton>(*window, button)->isHidden() ? '0' : '1';
        return shown;
    }
    void trigger(int command) const { platform::command(*window, command)->trigger(); }
    // The line beside the buttons.
    std::string summary() const {
        return window->findChild<QLabel*>("tournamentSummary")->text().toStdString();
    }
    void click(int button) const { platform::control<QPushButton>(*window, button)->click(); }
    // The menu bar as text: a line per menu, "Menu: item|item", a separator empty.
    std::string menus() const {
        QStringList out;
        for (QAction* menu : platform::templateMenuBar(*window)->actions()) {
            QStringList items;
            for (const QAction* item : menu->menu()->actions())
                items << item->text();
            out << menu->text() + ": " + items.join('|');
        }
        return out.join('\n').toStdString();
    }
    // Chooses `file` in the Save dialog with filter `filter`, then runs `command`.
    void exportAs(int command, const std::string& file, int filter) {
        services.files.saved = {QString::fromStdString(dir.file(file)), filter};
        trigger(command);
    }
};

TEST_F(MainWindowTest, WithoutATournamentOnlyTheMenuIsOfferedUntilTheFirstStartsUnasked) {
    dir.write("Tournament0/players.txt", "PLAYER Ann\n");
    std::filesystem::create_directories(dir.file("tournament.dat/in-the-way"));
    open();
    EXPECT_EQ(buttons(), "0000");
    EXPECT_EQ(summary(), app::noTournamentText) << "what a newcomer does first";
    EXPECT_EQ(store().players().size(), 1u); // whatever Tournament0 holds is loaded
    ASSERT_EQ(services.messages.captions(), Captions{"Error"}) << "tournament.dat is unreadable";
    EXPECT_TRUE(shown()[0].text.contains("tournament.dat"));

    // The first start asks nothing; while it fails the buttons stay hidden.
    trigger(startNew);
    EXPECT_EQ(services.messages.captions(), (Captions{"Error", "Error"}));
    EXPECT_EQ(buttons(), "0000");
    std::filesystem::remove_all(dir.file("tournament.dat"));
    trigger(startNew);
    EXPECT_EQ(shown().size(), 2u);
    EXPECT_EQ(buttons(), "1111");
    EXPECT_EQ(summary(), "Tournament1\n0 players, 0 teams, 0 games");
    EXPECT_EQ(dir.read("tournament.dat"), "TOURNAMENT 1\n");

    // Any later start is asked for; a failed one leaves the previous tournament open.
    dir.write("Tournament2", "a file where the folder should go");
    services.messages.clear();
    services.messages.answerNo();
    services.messages.answerYes();
    trigger(startNew);
    trigger(startNew);
    EXPECT_EQ(services.messages.captions(), (Captions{"Warning", "Warning", "Error"}));
    EXPECT_EQ(shown()[0].text, "Are you sure you want to start a new Tournament?\n\nNote: Old "
                               "tournament data will be archived");
    EXPECT_TRUE(shown()[2].text.contains(QString::fromStdString(dir.file("Tournament2"))));
    EXPECT_EQ(shown()[2].owner, window.get());
    EXPECT_EQ(store().tournamentFolder, "Tournament1");
    std::filesystem::remove(dir.file("Tournament2"));
    services.messages.clear();
    services.messages.answerYes();
    trigger(startNew);
    EXPECT_EQ(services.messages.captions(), (Captions{"Warning", "Success"}));
    EXPECT_EQ(shown()[1].text, "A new tournament has been created");
    EXPECT_EQ(store().tournamentFolder, "Tournament2");
}

TEST_F(MainWindowTest, AChangeAKilledProgramHadDecidedIsFinishedAtStart) {
    current(1);
    open();
    // Stopped once the change is decided, before any of its files is in place.
    struct Stopped {};
    history::setCommitHook([](history::CommitStep step) {
        if (step == history::CommitStep::decided)
            throw Stopped{};
    });
    EXPECT_THROW((void)history::applyChange(store(), history::AddPlayers{{"Bob"}}), Stopped);
    history::setCommitHook(nullptr);
    window.reset();
    TournamentStore::destroyStore();
    open();
    EXPECT_EQ(summary(), "Tournament1\n2 players, 0 teams, 0 games");
}

TEST_F(MainWindowTest, AnArchivedTournamentLoadsOnlyFromAFileInsideItsFolder) {
    current(3);
    dir.write("Tournament2/players.txt", "PLAYER Bob\nPLAYER Cy\n");
    open();
    services.messages.answerNo();
    trigger(loadArchived);
    EXPECT_TRUE(services.files.requests.empty());
    // Cancelled, then two files outside a tournament folder: nothing changes.
    for (const std::string& outside :
         {std::string(), dir.file("tournament.dat"), std::string("/no/Tournament2/t.html")}) {
        services.messages.answerYes();
        services.files.chosen = QString::fromStdString(outside);
        trigger(loadArchived);
    }
    EXPECT_EQ(services.messages.captions(),
              (Captions{"Alert", "Alert", "Alert", "Error", "Alert", "Error"}));
    EXPECT_EQ(store().tournamentFolder, "Tournament3");
    EXPECT_TRUE(services.viewer.calls.empty());

    services.messages.clear();
    services.messages.answerYes();
    services.files.chosen = QString::fromStdString(dir.file("Tournament2/tournament.html"));
    trigger(loadArchived);
    EXPECT_EQ(services.messages.captions(), (Captions{"Alert", "Success"}));
    EXPECT_EQ(shown()[0].text, "Are you sure you want to load an archived Tournament?");
    EXPECT_EQ(shown()[1].text, "Your archived tournament has been loaded");
    const auto& [owner, request] = services.files.requests.back();
    EXPECT_EQ(std::tuple(owner, request.title, request.filter, request.startFolder),
              std::tuple(nullptr, "Please Select a Settings File",
                         "Settings File (*.html);;All Files (*.*)", dir.path().c_str()));
    EXPECT_EQ(store().tournamentFolder, "Tournament2");
    EXPECT_EQ(store().players().size(), 2u);
    EXPECT_EQ(services.viewer.calls,
              (Calls{"end " + dir.path(), "start " + dir.file("Tournament2/tournament.html")}));
}

TEST_F(MainWindowTest, KeysLeaveTheWindowOpenAndResultsArePublishedBetweenTheViewers) {
    current(1, "PLAYER Ann\nPLAYER Bob\n");
    dir.write("Tournament1/teams.txt", "TEAM Ann & Bob\n");
    open();
    window->show();
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape})
        QTest::keyClick(window.get(), key);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(buttons(), "1111");
    // Every menu in sight, none behind an overflow arrow, and the whole caption.
    const QMenuBar* bar = platform::templateMenuBar(*window);
    for (QAction* menu : bar->actions()) {
        const QRect place = bar->actionGeometry(menu);
        EXPECT_TRUE(!place.isEmpty() && bar->rect().contains(place)) << menu->text().toStdString();
    }
    EXPECT_GT(window->width(), window->fontMetrics().horizontalAdvance(window->windowTitle()));
    EXPECT_EQ(summary(), "Tournament1\n2 players, 1 team, 0 games");

    // The pages are written before any viewer is ended or started; an open
    // viewer of this folder reloads the leader board in place instead.
    const std::string page = dir.file("Tournament1/tournament.html");
    std::vector<bool> pageThere;
    services.viewer.onCall = [&] { pageThere.push_back(std::filesystem::exists(page)); };
    click(id::viewTournamentResults);
    EXPECT_EQ(services.viewer.calls, (Calls{"end " + dir.path(), "start " + page}));
    EXPECT_EQ(pageThere, (std::vector<bool>{true, true}));
    EXPECT_TRUE(shown().empty());
    services.viewer.calls.clear();
    services.viewer.viewerOpen = true;
    click(id::viewTournamentResults);
    EXPECT_EQ(services.viewer.calls, (Calls{"show " + page}));
    services.viewer.viewerOpen = false;

    // A page that cannot be written is one Error, and the viewer still starts.
    std::filesystem::remove(page);
    std::filesystem::create_directories(page + "/in-the-way");
    click(id::viewTournamentResults);
    EXPECT_EQ(services.messages.captions(), Captions{"Error"});
    EXPECT_EQ(shown()[0].owner, window.get());
    EXPECT_TRUE(shown()[0].text.contains("tournament.html"));
    EXPECT_EQ(services.viewer.calls.back(), "start " + page);
}

TEST_F(MainWindowTest, TheViewMenuPutsTheWorkingDirectorysStandingsOnTheScreenRemembered) {
    current(1);
    open();
    // Told by name and place: two screens may share a name.
    const std::string screen =
        platform::screenIdentity(*QGuiApplication::primaryScreen()).toStdString();
    trigger(ids::display::projectorDisplayCommand);
    EXPECT_TRUE(services.dialogs.runs.empty()) << "one screen: nothing to choose";
    EXPECT_EQ(services.viewer.calls, Calls{"display " + dir.path() + " " + screen});
    EXPECT_EQ(QSettings("Corvane", "corvane").value("display/screen").toString().toStdString(),
              screen);
    EXPECT_TRUE(shown().empty());

    // From Game Results too, where the organiser spends the tournament.
    services.viewer.calls.clear();
    services.dialogs.answer = [](QDialog& dialog) {
        const auto key = QString::number(ids::display::projectorDisplayCommand);
        QAction* display = dialog.findChild<QAction*>(key);
        EXPECT_TRUE(display && display->shortcut() == QKeySequence(Qt::Key_F9));
        if (display)
            display->trigger();
        return QDialog::Rejected;
    };
    click(id::enterGameResults);
    EXPECT_EQ(services.viewer.calls, Calls{"display " + dir.path() + " " + screen});
    services.dialogs.answer = nullptr;

    services.viewer.displayStarts = false;
    trigger(ids::display::projectorDisplayCommand);
    ASSERT_EQ(shown().size(), 1u);
    EXPECT_EQ(shown()[0].caption, "Error");
    EXPECT_TRUE(shown()[0].text.contains("corvane-viewer"));
}

TEST_F(MainWindowTest, TheButtonsAndMenusOpenTheirWindowsOverTheMainWindow) {
    current(1, "PLAYER Ann\nPLAYER Bob\nPLAYER Cy\nPLAYER Dee\n");
    dir.write("Tournament1/teams.txt", "TEAM Ann & Bob\nTEAM Cy & Dee\n");
    open();
    ASSERT_TRUE(platform::applyChange(
        window.get(),
        history::SaveGame{GameRecord{150, 120, 0, 0, "Ann & Bob", "Cy & Dee"}, std::nullopt}));
    EXPECT_EQ(summary(), "Tournament1\n4 players, 2 teams, 1 game") << "counts follow a change";
    // Undo named and ready for Ctrl+Z without the menu ever being opened; the
    // names' "&" shown as such, not taken for a mnemonic.
    EXPECT_EQ(menus(), "Tournament: &Start New Tournament||&Load Archived Tournament\n"
                       "&Export: &Standings\u2026|&Games\u2026|&Players\u2026|&Teams\u2026\n"
                       "&Edit: Undo Save Game Ann && Bob vs Cy && Dee|Redo||&History...|"
                       "Restore from &Backup...\n"
                       "&Rounds: &Next Round...|&Schedule...|&Table Entry...\n"
                       "&View: &Projector Display...\n"
                       "&Help: &About Corvane Tournament Software...");
    for (int button : {id::addPlayer, id::teamBuilder, id::enterGameResults})
        click(button);
    trigger(id::aboutCommand);
    window->findChild<QAction*>("history")->trigger();
    window->findChild<QAction*>("restore")->trigger();
    for (int command :
         {ids::rounds::nextRoundCommand, ids::rounds::scheduleCommand, ids::tableEntry::command})
        trigger(command);
    QWidget* const w = window.get();
    EXPECT_EQ(services.dialogs.runs, (Runs{{"Add Player", w},
                                           {"Team Builder", w},
                                           {"Enter Game Results", w},
                                           {"About Corvane Tournament Software", w},
                                           {"History", w},
                                           {"Restore from Backup", w},
                                           {"Next Round", w},
                                           {"Schedule", w},
                                           {"Table Entry", w}}));
    EXPECT_TRUE(shown().empty());
    window->findChild<QAction*>("undo")->trigger();
    EXPECT_TRUE(store().games().empty());
    EXPECT_EQ(dir.read("Tournament1/games.txt"), "");
    EXPECT_EQ(services.viewer.calls.back(), "start " + dir.file("Tournament1/tournament.html"));
}

// Backups that cannot be kept are said once, in the window, and the line
// goes once they are kept again.
TEST_F(MainWindowTest, ABackupsFolderThatCannotBeWrittenIsSaidOnceInTheWindow) {
    current(1, "PLAYER Ann\n");
    dir.write("Tournament1/backups", "a file in the folder's place");
    open();
    auto* notice = window->findChild<QLabel*>("backupsNotice");
    ASSERT_NE(notice, nullptr);
    const int height = window->height();
    ASSERT_TRUE(platform::applyChange(window.get(), history::AddPlayers{{"Bob"}}));
    ASSERT_TRUE(platform::applyChange(window.get(), history::AddPlayers{{"Cy"}}));
    EXPECT_TRUE(shown().empty()) << "no box on a save";
    EXPECT_FALSE(notice->isHidden());
    EXPECT_TRUE(notice->text().contains("backups")) << notice->text().toStdString();
    EXPECT_GT(window->height(), height);
    std::filesystem::remove(dir.file("Tournament1/backups"));
    ASSERT_TRUE(platform::applyChange(window.get(), history::AddPlayers{{"Dee"}}));
    EXPECT_TRUE(notice->isHidden());
    EXPECT_EQ(window->height(), height);
}

// The Export menu: the Save dialog asked by the window, the file it writes, and
// the messages shown; what each table holds is the exports' own.
TEST_F(MainWindowTest, ExportSavesTheChosenTableWithAByteOrderMarkOnlyForSpreadsheets) {
    current(2, "PLAYER Zo\xC3\xAB\nPLAYER Bob\nPLAYER Solo\n");
    dir.write("Tournament2/teams.txt", "TEAM Zo\xC3\xAB & Bob\n");
    open();
    const std::string players = "Player,Team\r\nZo\xC3\xAB,Zo\xC3\xAB & Bob\r\n"
                                "Bob,Zo\xC3\xAB & Bob\r\nSolo,\r\n";
    exportAs(ids::exportMenu::players, "plain.csv", 0);
    exportAs(ids::exportMenu::players, "sheet.csv", 1);
    EXPECT_EQ(dir.read("plain.csv"), players);
    EXPECT_EQ(dir.read("sheet.csv"), std::string(csv::byteOrderMark) + players);
    EXPECT_TRUE(shown().empty());
    ASSERT_EQ(services.files.saveRequests.size(), 2u);
    const auto& [owner, request] = services.files.saveRequests.front();
    EXPECT_EQ(owner, window.get());
    EXPECT_EQ(request.title, "Export Players");
    EXPECT_EQ(request.filters,
              (QStringList{"CSV (*.csv)", "CSV for spreadsheet programs (*.csv)"}));
    EXPECT_EQ(request.startPath.toStdString(), dir.file("Tournament2-players.csv"));

    // Cancelled: nothing written. The chosen file's folder missing: the reason is shown.
    services.files.saved = {};
    trigger(ids::exportMenu::standings);
    EXPECT_TRUE(shown().empty());
    exportAs(ids::exportMenu::games, "gone/games.csv", 0);
    ASSERT_EQ(services.messages.captions(), Captions{"Error"});
    EXPECT_EQ(shown()[0].owner, window.get());
    EXPECT_TRUE(shown()[0].text.startsWith("Could not save " +
                                           QString::fromStdString(dir.file("gone/games.csv"))))
        << shown()[0].text.toStdString();
    EXPECT_FALSE(std::filesystem::exists(dir.file("gone")));
}

TEST_F(MainWindowTest, ATournamentNotReadWholeIsNotExported) {
    // A folder where games.txt belongs cannot be read; the window said so on opening.
    current(2);
    std::filesystem::create_directories(dir.file("Tournament2/games.txt/in-the-way"));
    open();
    ASSERT_EQ(services.messages.captions(), Captions{"Error"});
    services.messages.clear();
    exportAs(ids::exportMenu::standings, "standings.csv", 0);
    ASSERT_EQ(services.messages.captions(), Captions{"Error"});
    EXPECT_TRUE(shown()[0].text.contains("games.txt"));
    EXPECT_TRUE(services.files.saveRequests.empty());
    EXPECT_FALSE(std::filesystem::exists(dir.file("standings.csv")));
}

} // namespace
} // namespace corvane::testing

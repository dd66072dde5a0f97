// The Next Round and Schedule windows on a tournament in the test's own working
// directory: what they show, a swap by hand, and the sheet printed or saved
// through the faked printer and viewer.
#include "OpenTournament.h"
#include "dialogs/NextRoundDialog.h"
#include "dialogs/ScheduleDialog.h"
#include "platform/DialogTemplate.h"
#include "platform/TableDesk.h"
#include "res/ids/Rounds.h"
#include "res/ids/TableEntry.h"
#include "store/TournamentStore.h"

#include <QAbstractItemModel>
#include <QColor>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <gtest/gtest.h>

namespace corvane::dialogs {
namespace {

namespace id = ids::rounds;
using Calls = std::vector<std::string>;

class RoundWindowsTest : public testing::OpenTournamentTest {
protected:
    // Places: Cid & Dee, Eve & Fay, Ivy & Jo (no games), Gus & Hal, Ann & Bob;
    // Cid & Dee have met Ann & Bob, and Eve & Fay have met Gus & Hal.
    static void fiveTeams() {
        for (const char* pair : {"Ann Bob", "Cid Dee", "Eve Fay", "Gus Hal", "Ivy Jo"})
            store().buildTeam(std::string(pair, 3), pair + 4);
        store().refreshOpponentLists();
        store().recordGame({120, 150, 0, 0, "Ann & Bob", "Cid & Dee"});
        store().recordGame({100, 90, 0, 0, "Eve & Fay", "Gus & Hal"});
    }

    static QAbstractItemModel& seating(const QWidget& window) {
        return *control<QTableView>(window, id::seating).model();
    }
    static QStringList shown(const QWidget& window) { return rows(window, id::seating); }
    static QString summary(const QWidget& window) {
        return control<QLabel>(window, id::summary).text();
    }
    static void click(const QWidget& window, int button) {
        control<QPushButton>(window, button).click();
    }
    // Swaps the teams at places `a` and `b` (0 the leader) through the combos.
    static void swap(const QWidget& window, int a, int b) {
        control<QComboBox>(window, id::swapFirst).setCurrentIndex(a);
        control<QComboBox>(window, id::swapSecond).setCurrentIndex(b);
        click(window, id::swap);
    }
};

TEST_F(RoundWindowsTest, NextRoundShowsTheProposalMarksARepeatMadeByHandAndOpensTheRoundAsShown) {
    fiveTeams();
    NextRoundDialog window;
    const QStringList proposed = {"1 | Cid & Dee | Eve & Fay | ", "2 | Ivy & Jo | Gus & Hal | ",
                                  "Bye | Ann & Bob |  | "};
    EXPECT_EQ(shown(window), proposed);
    EXPECT_EQ(summary(window), "5 teams at 2 tables; the bye: Ann & Bob. No table seats teams "
                               "that have met before. Sum of the gaps between places: 2.");
    EXPECT_EQ(control<QComboBox>(window, id::swapFirst).itemText(2), "Ivy & Jo (3rd)");

    swap(window, 0, 3); // Gus & Hal take Cid & Dee's seat, opposite Eve & Fay they met
    EXPECT_EQ(shown(window), (QStringList{"1 | Gus & Hal | Eve & Fay | Met before",
                                          "2 | Ivy & Jo | Cid & Dee | ", "Bye | Ann & Bob |  | "}));
    const QModelIndex repeat = seating(window).index(0, 1);
    EXPECT_EQ(repeat.data(Qt::BackgroundRole).value<QColor>(), QColor(SeatingModel::repeatColour));
    EXPECT_FALSE(seating(window).index(1, 1).data(Qt::BackgroundRole).isValid());
    EXPECT_EQ(summary(window), "5 teams at 2 tables; the bye: Ann & Bob. 1 table seats teams "
                               "that have met before (marked). The proposed round had 0. "
                               "Sum of the gaps between places: 4 (proposed: 2).");
    // The round as shown opens for entry from the tables.
    click(window, ids::tableEntry::fromNextRound);
    ASSERT_EQ(services.dialogs.runs.size(), 1u);
    EXPECT_EQ(services.dialogs.runs[0].first, "Table Entry");
    const auto& tables = platform::TableDesk::instance().service().tables().tables();
    ASSERT_EQ(tables.size(), 2u);
    EXPECT_EQ(tables[0].team1 + tables[0].team2 + tables[1].team1, "Gus & HalEve & FayIvy & Jo");

    swap(window, 4, 4); // a team with itself changes nothing
    swap(window, 4, 0); // the bye takes a seat at a table
    EXPECT_EQ(shown(window)[1], "2 | Ivy & Jo | Ann & Bob | ");
    EXPECT_EQ(shown(window)[2], "Bye | Cid & Dee |  | ");

    click(window, id::proposed);
    EXPECT_EQ(shown(window), proposed);
}

TEST_F(RoundWindowsTest, ScheduleShowsEveryRoundWithItsByes) {
    for (const char* pair : {"A B", "C D", "E F"})
        store().buildTeam(std::string(pair, 1), pair + 2);
    ScheduleDialog window;
    EXPECT_EQ(shown(window),
              (QStringList{"1 | 1 | C & D | E & F", "1 | Bye | A & B | ", "2 | 1 | A & B | E & F",
                           "2 | Bye | C & D | ", "3 | 1 | A & B | C & D", "3 | Bye | E & F | "}));
    EXPECT_EQ(summary(window), "3 rounds for the 3 pairs of teams that have not met yet.");
}

TEST_F(RoundWindowsTest, EachSheetIsPrintedOrSavedAsShownAndOpenedInTheViewerOrSaysWhyNot) {
    fiveTeams();
    NextRoundDialog next;
    swap(next, 1, 2);
    ScheduleDialog schedule;
    const std::tuple<const QWidget*, QString, std::string> sheets[] = {
        {&next, "Next Round", "next-round.html"}, {&schedule, "Schedule", "schedule.html"}};
    for (const auto& [window, title, file] : sheets) {
        services.viewer.calls.clear();
        click(*window, id::save);
        EXPECT_EQ(services.viewer.calls,
                  (Calls{"end " + store().workingDirectory, "start " + store().filePath(file)}));
        click(*window, id::print);
        const auto& [owner, request] = services.printer.prints.back();
        EXPECT_EQ(std::tuple(owner, request.title, request.html.toStdString()),
                  std::tuple(window, title, read(file)));
        EXPECT_EQ(request.folder.toStdString(), store().tournamentPath());
    }
    EXPECT_NE(read("next-round.html")
                  .find("<td>1</td><td>Cid &amp; Dee</td><td></td><td></td><td>Ivy &amp; Jo</td>"),
              std::string::npos)
        << "the swap is printed";
    EXPECT_TRUE(services.messages.shown.empty());
    EXPECT_FALSE(std::filesystem::exists(store().filePath("tournament.html")))
        << "the results pages are not published by a sheet";

    // A sheet that cannot be saved is said, and no viewer starts.
    std::filesystem::remove_all(store().tournamentPath());
    for (const auto& [window, title, file] : sheets) {
        services.viewer.calls.clear();
        services.messages.clear();
        click(*window, id::save);
        ASSERT_EQ(services.messages.shown.size(), 1u);
        const testing::ShownBox& box = services.messages.shown[0];
        EXPECT_EQ(std::tuple(box.caption, box.owner.data()), std::tuple("Error", window));
        EXPECT_TRUE(box.text.contains(QString::fromStdString(store().filePath(file))));
        EXPECT_EQ(services.viewer.calls, Calls{"end " + store().workingDirectory});
    }
}

// Without teams, or with a schedule too long to show, there is nothing to print or save;
// every control is still reached by Tab in order, and every button has its access key.
TEST_F(RoundWindowsTest, WithNothingToShowThereIsNothingToSwapPrintOrSave) {
    NextRoundDialog next;
    ScheduleDialog schedule;
    EXPECT_FALSE(control<QPushButton>(next, id::swap).isEnabled());
    const std::pair<const QWidget*, std::vector<int>> orders[] = {
        {&next,
         {id::seating, id::swapFirst, id::swapSecond, id::swap, id::proposed,
          ids::tableEntry::fromNextRound, id::print, id::save, id::close}},
        {&schedule, {id::seating, id::print, id::save, id::close}},
    };
    for (const auto& [dialog, expected] : orders) {
        EXPECT_EQ(tabOrder(*dialog), expected) << dialog->windowTitle().toStdString();
        for (const QPushButton* button : dialog->findChildren<QPushButton*>())
            EXPECT_TRUE(button->text().contains('&')) << button->text().toStdString();
    }
    constexpr int tooMany = 2001; // some two million lines
    for (int t = 0; t < tooMany; ++t)
        store().buildTeam("A" + std::to_string(t), "B" + std::to_string(t));
    store().refreshOpponentLists();
    ScheduleDialog tooLong;
    const std::pair<const QWidget*, QString> cases[] = {
        {&next, "The tournament has no teams yet."},
        {&schedule, "The tournament has no teams yet."},
        {&tooLong, "The schedule of 2001 teams is too long to show here"}};
    for (const auto& [window, said] : cases) {
        EXPECT_TRUE(summary(*window).startsWith(said)) << summary(*window).toStdString();
        EXPECT_EQ(seating(*window).rowCount(), 0);
        for (int button : {id::print, id::save})
            EXPECT_FALSE(control<QPushButton>(*window, button).isEnabled());
        EXPECT_TRUE(control<QPushButton>(*window, id::close).isEnabled());
    }
}

} // namespace
} // namespace corvane::dialogs

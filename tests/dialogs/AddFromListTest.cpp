// "Add from List…" in the Add Player dialog and the window it opens, on a
// tournament in the test's own working directory, every platform service faked.
#include "TestServices.h"
#include "dialogs/AddFromListDialog.h"
#include "dialogs/AddPlayerDialog.h"
#include "platform/DialogTemplate.h"
#include "res/ids/AddPlayer.h"
#include "store/TournamentStore.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTableView>
#include <gtest/gtest.h>

namespace corvane::dialogs {
namespace {

// The process-wide store on Tournament1 of `directory`, with Anna registered.
struct CurrentStore {
    explicit CurrentStore(const std::string& directory) {
        TournamentStore::createStore();
        TournamentStore::instance->workingDirectory = directory;
        TournamentStore::instance->tournamentFolder = "Tournament1";
        std::filesystem::create_directory(TournamentStore::instance->tournamentPath());
        TournamentStore::instance->addPlayer("Anna");
    }
    ~CurrentStore() { TournamentStore::destroyStore(); }
};

class AddFromListTest : public ::testing::Test {
protected:
    static TournamentStore& store() { return *TournamentStore::instance; }
    std::string playersFile() const { return services.dir.read("Tournament1/players.txt"); }
    template <class Widget> Widget* find(const char* name) const {
        return list.findChild<Widget*>(QLatin1String(name));
    }
    void paste(const QString& text) {
        find<QPlainTextEdit>(list.pastedTextName)->setPlainText(text);
    }
    // Each row of the review as "line|name|what happens".
    QStringList rows() const {
        const QAbstractItemModel* model = find<QTableView>(list.reviewName)->model();
        QStringList out;
        for (int r = 0; r < model->rowCount(); ++r)
            out << model->index(r, 0).data().toString() + "|" +
                       model->index(r, 1).data().toString() + "|" +
                       model->index(r, 2).data().toString();
        return out;
    }
    QAbstractButton* addButton() const { return find<QAbstractButton>(list.addName); }

    testing::TestServices services;
    CurrentStore current{services.dir.path()};
    AddFromListDialog list;
};

TEST_F(AddFromListTest, ShowsWhatBecomesOfEachPastedNameBeforeAddingThemAllAtOnce) {
    EXPECT_FALSE(addButton()->isEnabled()) << "nothing to add yet";
    paste(" Bob\nanna\n\nCy\tDee\nZo\xC3\xAB\nbob \nZOË");
    EXPECT_EQ(rows(), (QStringList{"1|\u2423Bob|will be added",
                                   "2|anna|refused: already registered", "3||refused: empty",
                                   "4|Cy\u2409Dee|refused: holds a line break or another control "
                                   "character",
                                   "5|Zo\u00EB|will be added", "6|bob\u2423|will be added",
                                   "7|ZO\u00CB|refused: twice in the list (as on line 5)"}));
    EXPECT_TRUE(addButton()->isEnabled());

    // No keeps everything as it was.
    services.messages.answerNo();
    addButton()->click();
    EXPECT_EQ(store().players().size(), 1u);
    EXPECT_EQ(playersFile(), "");
    EXPECT_EQ(list.result(), QDialog::Rejected);

    services.messages.answerYes();
    addButton()->click();
    ASSERT_EQ(services.messages.shown.size(), 2u) << "one question each time, nothing else";
    EXPECT_EQ(services.messages.shown[1].caption, "Warning");
    EXPECT_EQ(services.messages.shown[1].owner, &list);
    EXPECT_TRUE(services.messages.shown[1].text.startsWith(
        "Are you sure you want to add these 3 players?"));
    EXPECT_EQ(playersFile(), "PLAYER Anna\nPLAYER  Bob\nPLAYER Zo\xC3\xAB\nPLAYER bob \n");
    EXPECT_EQ(list.addedCount(), 3u);
    EXPECT_EQ(list.result(), QDialog::Accepted);
}

TEST_F(AddFromListTest, ReadsAChosenCsvFileInAnyEncodingWithTheColumnChosen) {
    // Windows-1252 and Windows line ends, as a spreadsheet program saves it.
    services.dir.write("club.CSV", "Team,Player\r\nA,\"M\xFCller, Jo\"\r\nB,Anna\r\nC\r\n");
    services.files.chosen = QString::fromStdString(services.dir.file("club.CSV"));
    paste("Zed");
    find<QAbstractButton>(list.chooseFileName)->click();
    ASSERT_EQ(services.files.requests.size(), 1u);
    EXPECT_EQ(services.files.requests[0].first, &list);
    EXPECT_TRUE(find<QRadioButton>(list.csvFormatName)->isChecked());
    auto* column = find<QComboBox>(list.columnName);
    EXPECT_EQ(column->itemText(0), "1: Team");
    EXPECT_EQ(column->itemText(1), "2: Player");
    EXPECT_EQ(rows(), (QStringList{"2|A|will be added", "3|B|will be added", "4|C|will be added"}));
    column->setCurrentIndex(1);
    EXPECT_EQ(rows(), (QStringList{"2|M\u00FCller, Jo|will be added",
                                   "3|Anna|refused: already registered", "4||refused: empty"}));
    find<QAbstractButton>(list.headerRowName)->click();
    EXPECT_EQ(rows().value(0), "1|Player|will be added");

    // Back to the pasted names, then a file that cannot be read: nothing changes.
    find<QPlainTextEdit>(list.pastedTextName)->setPlainText("Zed\nYves");
    EXPECT_EQ(rows().size(), 2);
    std::filesystem::create_directory(services.dir.file("folder.txt"));
    services.files.chosen = QString::fromStdString(services.dir.file("folder.txt"));
    find<QAbstractButton>(list.chooseFileName)->click();
    ASSERT_EQ(services.messages.captions(), std::vector<QString>{"Error"});
    EXPECT_TRUE(services.messages.shown[0].text.contains("folder.txt"));
    EXPECT_EQ(rows().size(), 2);

    // A program chosen by mistake offers no names: it is refused as a whole.
    services.dir.write("tool", std::string("\x7F"
                                           "ELF\x02\x01\0\0main\0Zed\n",
                                           15));
    services.files.chosen = QString::fromStdString(services.dir.file("tool"));
    find<QAbstractButton>(list.chooseFileName)->click();
    ASSERT_EQ(services.messages.captions(), (std::vector<QString>{"Error", "Error"}));
    EXPECT_TRUE(services.messages.shown[1].text.contains(
        QString::fromStdString(services.dir.file("tool") + " is not a list of names")))
        << services.messages.shown[1].text.toStdString();
    EXPECT_EQ(rows().size(), 2);
}

TEST_F(AddFromListTest, AFailedWriteSaysSoAndKeepsTheListToAddAgain) {
    paste("Bob");
    std::filesystem::remove_all(store().tournamentPath());
    services.messages.answerYes();
    addButton()->click();
    EXPECT_EQ(services.messages.captions(), (std::vector<QString>{"Warning", "Error"}));
    EXPECT_TRUE(services.messages.shown[1].text.contains("players.txt"));
    EXPECT_FALSE(store().hasPlayer("Bob"));
    EXPECT_EQ(rows().value(0), "1|Bob|will be added");
}

TEST(AddPlayerWithList, TheButtonStandsBelowTheTemplateWhichStaysAsItIs) {
    testing::TestServices services;
    CurrentStore current{services.dir.path()};
    AddPlayerDialog dialog;
    QDialog plain;
    ASSERT_TRUE(platform::buildFromTemplate(plain, ids::addPlayer::templateId));
    for (QWidget* control : plain.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (control->objectName().isEmpty())
            continue;
        const auto* same = dialog.findChild<QWidget*>(control->objectName());
        ASSERT_TRUE(same) << control->objectName().toStdString();
        EXPECT_EQ(same->geometry(), control->geometry()) << control->objectName().toStdString();
    }
    auto* button = platform::control<QAbstractButton>(dialog, ids::addPlayer::addFromList);
    ASSERT_TRUE(button);
    EXPECT_EQ(button->text(), "Add from List\u2026");
    EXPECT_EQ(dialog.width(), plain.width());
    EXPECT_GT(dialog.height(), button->geometry().bottom());
    EXPECT_GT(button->geometry().top(), plain.height() - 10);
    EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize());
    // Reached by Tab after the Players list.
    QStringList tabStops;
    for (QWidget* w = dialog.nextInFocusChain(); w != &dialog; w = w->nextInFocusChain())
        if (w->focusPolicy() == Qt::StrongFocus && w->parentWidget() == &dialog)
            tabStops << w->objectName();
    EXPECT_EQ(tabStops, (QStringList{"1001", "1003", "1004", "1005", "1007", "1006"}));

    button->click();
    ASSERT_EQ(services.dialogs.runs.size(), 1u);
    EXPECT_EQ(services.dialogs.runs[0].first, "Add from List");
    EXPECT_EQ(services.dialogs.runs[0].second, &dialog);
}

} // namespace
} // namespace corvane::dialogs

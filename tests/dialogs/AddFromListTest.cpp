// "Add from List…" in the Add Player dialog and the window it opens, on a
// tournament in the test's own working directory, every platform service faked.
#include "OpenTournament.h"
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

class AddFromListTest : public testing::OpenTournamentTest {
protected:
    template <class Widget> Widget* find(const char* name) const {
        return list.findChild<Widget*>(QLatin1String(name));
    }
    void paste(const QString& text) {
        find<QPlainTextEdit>(list.pastedTextName)->setPlainText(text);
    }
    // Each row of the review as "line|name|what happens".
    QStringList review() const { return rows(*find<QTableView>(list.reviewName), "|"); }
    QAbstractButton* addButton() const { return find<QAbstractButton>(list.addName); }

    // Anna is registered before the window is made.
    const bool anna = (store().addPlayer("Anna"), true);
    AddFromListDialog list;
};

// What becomes of each name is the review's; the window shows it and adds the
// names to be added after one question, or says why it could not.
TEST_F(AddFromListTest, ShowsWhatBecomesOfEachPastedNameBeforeAddingThemAllAtOnce) {
    EXPECT_FALSE(addButton()->isEnabled()) << "nothing to add yet";
    paste(" Bob\nanna\n\nZo\xC3\xAB");
    EXPECT_EQ(review(),
              (QStringList{"1|\u2423Bob|will be added", "2|anna|refused: already registered",
                           "3||refused: empty", "4|Zo\u00EB|will be added"}));
    EXPECT_TRUE(addButton()->isEnabled());

    // No keeps everything as it was; a failed write says so and keeps the list.
    services.messages.answerNo();
    addButton()->click();
    std::filesystem::remove_all(store().tournamentPath());
    services.messages.answerYes();
    addButton()->click();
    EXPECT_EQ(services.messages.captions(), (std::vector<QString>{"Warning", "Warning", "Error"}));
    EXPECT_TRUE(services.messages.shown[2].text.contains("players.txt"));
    EXPECT_FALSE(store().hasPlayer("Bob"));
    EXPECT_EQ(review().size(), 4);
    EXPECT_EQ(list.result(), QDialog::Rejected);

    // The folder back, empty as the store now holds it: the list is added again.
    std::filesystem::create_directory(store().tournamentPath());
    services.messages.clear();
    services.messages.answerYes();
    addButton()->click();
    ASSERT_EQ(services.messages.shown.size(), 1u) << "one question, nothing else";
    EXPECT_EQ(services.messages.shown[0].owner, &list);
    EXPECT_TRUE(services.messages.shown[0].text.startsWith(
        "Are you sure you want to add these 2 players?"));
    EXPECT_EQ(read("players.txt"), "PLAYER  Bob\nPLAYER Zo\xC3\xAB\n");
    EXPECT_EQ(list.addedCount(), 2u);
    EXPECT_EQ(list.result(), QDialog::Accepted);
}

TEST_F(AddFromListTest, ReadsAChosenCsvFileWithTheColumnChosenOrSaysWhyNot) {
    // Windows-1252 and Windows line ends, as a spreadsheet program saves it.
    services.dir.write("club.CSV", "Team,Player\r\nA,\"M\xFCller, Jo\"\r\nB,Anna\r\n");
    const auto choose = [&](const std::string& file) {
        services.files.chosen = QString::fromStdString(services.dir.file(file));
        find<QAbstractButton>(list.chooseFileName)->click();
    };
    paste("Zed");
    choose("club.CSV");
    ASSERT_EQ(services.files.requests.size(), 1u);
    EXPECT_EQ(services.files.requests[0].first, &list);
    EXPECT_TRUE(find<QRadioButton>(list.csvFormatName)->isChecked());
    auto* column = find<QComboBox>(list.columnName);
    EXPECT_EQ(column->itemText(1), "2: Player");
    column->setCurrentIndex(1);
    EXPECT_EQ(review(), (QStringList{"2|M\u00FCller, Jo|will be added",
                                     "3|Anna|refused: already registered"}));
    find<QAbstractButton>(list.headerRowName)->click();
    EXPECT_EQ(review().value(0), "1|Player|will be added");

    // A file that cannot be read, and a program chosen by mistake: nothing changes.
    find<QPlainTextEdit>(list.pastedTextName)->setPlainText("Zed\nYves");
    std::filesystem::create_directory(services.dir.file("folder.txt"));
    choose("folder.txt");
    services.dir.write("tool", std::string("\x7F"
                                           "ELF\x02\x01\0\0main\0Zed\n",
                                           15));
    choose("tool");
    ASSERT_EQ(services.messages.captions(), (std::vector<QString>{"Error", "Error"}));
    EXPECT_TRUE(services.messages.shown[0].text.contains("folder.txt"));
    EXPECT_TRUE(services.messages.shown[1].text.contains(
        QString::fromStdString(services.dir.file("tool") + " is not a list of names")))
        << services.messages.shown[1].text.toStdString();
    EXPECT_EQ(review().size(), 2);
}

TEST_F(AddFromListTest, TheButtonStandsBelowTheAddPlayerTemplateWhichStaysAsItIs) {
    AddPlayerDialog dialog;
    QDialog plain;
    ASSERT_TRUE(platform::buildFromTemplate(plain, ids::addPlayer::templateId));
    for (QWidget* original : plain.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (original->objectName().isEmpty())
            continue;
        const auto* same = dialog.findChild<QWidget*>(original->objectName());
        ASSERT_TRUE(same) << original->objectName().toStdString();
        EXPECT_EQ(same->geometry(), original->geometry()) << original->objectName().toStdString();
    }
    auto* button = platform::control<QAbstractButton>(dialog, ids::addPlayer::addFromList);
    ASSERT_TRUE(button);
    EXPECT_EQ(button->text(), "Add from List\u2026");
    EXPECT_EQ(dialog.width(), plain.width());
    EXPECT_GT(dialog.height(), button->geometry().bottom());
    EXPECT_GT(button->geometry().top(), plain.height() - 10);
    EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize());
    // Reached by Tab after the Players list.
    EXPECT_EQ(tabOrder(dialog), (std::vector<int>{1001, 1003, 1004, 1005, 1007, 1006}));

    button->click();
    ASSERT_EQ(services.dialogs.runs.size(), 1u);
    EXPECT_EQ(services.dialogs.runs[0].first, "Add from List");
    EXPECT_EQ(services.dialogs.runs[0].second, &dialog);
}

} // namespace
} // namespace corvane::dialogs

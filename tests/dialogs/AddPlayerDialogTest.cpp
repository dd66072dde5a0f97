#include "dialogs/AddPlayerDialog.h"

#include "DialogTestBase.h"

#include <QLineEdit>
#include <QListWidget>

namespace corvane::dialogs {
namespace {

const QString confirmText = "Are you sure you want to add this player?\n\nVerify player's name is "
                            "accurate. Names cannot be deleted!";

class AddPlayerDialogTest : public DialogTestBase {
protected:
    QLineEdit* name(const QDialog& d) { return platform::control<QLineEdit>(d, 1001); }
    QStringList listed(const QDialog& d) {
        QStringList out;
        const auto* list = platform::control<QListWidget>(d, 1005);
        for (int i = 0; i < list->count(); ++i) {
            out << list->item(i)->text();
        }
        return out;
    }
    void typeAndAdd(AddPlayerDialog& d, const QString& text) {
        name(d)->setText(text);
        click(d, 1003);
    }
};

TEST_F(AddPlayerDialogTest, AddsAfterYesKeepsTheNameAfterNo) {
    addPlayer("Zoe");
    AddPlayerDialog dialog;
    EXPECT_EQ(listed(dialog), QStringList{"Zoe"});

    services.messages.answerNo();
    typeAndAdd(dialog, " Anna ");
    ASSERT_EQ(services.messages.shown().size(), 1u);
    const testing::ShownBox& question = services.messages.shown()[0];
    EXPECT_EQ(question.text, confirmText);
    EXPECT_EQ(question.caption, "Warning");
    EXPECT_EQ(question.buttons, platform::MessageButtons::YesNo);
    EXPECT_EQ(question.owner, &dialog);
    EXPECT_EQ(name(dialog)->text(), " Anna ");
    EXPECT_EQ(store().players.size(), 1u);
    EXPECT_FALSE(exists("players.txt"));

    // Blanks are kept as typed; the list sorts, the file keeps store order.
    services.messages.answerYes();
    click(dialog, 1003);
    services.messages.answerYes();
    typeAndAdd(dialog, "Adam");
    EXPECT_EQ(name(dialog)->text(), "");
    EXPECT_EQ(listed(dialog), (QStringList{" Anna ", "Adam", "Zoe"}));
    EXPECT_EQ(read("players.txt"), "PLAYER Zoe\nPLAYER  Anna \nPLAYER Adam\n");
    EXPECT_EQ(services.messages.captions(),
              (std::vector<QString>{"Warning", "Warning", "Warning"}));

    // Clear empties the field and nothing else.
    name(dialog)->setText("Half typed");
    click(dialog, 1004);
    EXPECT_EQ(name(dialog)->text(), "");
    EXPECT_EQ(store().players.size(), 3u);
}

TEST_F(AddPlayerDialogTest, RefusesEmptyDuplicateAndControlCharacterNames) {
    addPlayer("Anna");
    AddPlayerDialog dialog;

    typeAndAdd(dialog, "");
    EXPECT_TRUE(services.messages.shown().empty());

    typeAndAdd(dialog, "aNNA");
    ASSERT_EQ(services.messages.shown().size(), 1u);
    EXPECT_EQ(services.messages.shown()[0].text, "Name already exists in list!");
    EXPECT_EQ(services.messages.shown()[0].caption, "Notice");
    EXPECT_EQ(services.messages.shown()[0].buttons, platform::MessageButtons::Ok);
    EXPECT_EQ(name(dialog)->text(), "");

    for (const QString& bad :
         {QString("Ann\nSmith"), QString("Ann\r"), QString("\tAnn"), QString("A") + QChar(0) + "nn",
          QString("Ann") + QChar(0x7F), QString("Ann") + QChar(0x85), QString("Ann") + QChar(0x9F),
          QString("Ann") + QChar(0x2028)}) {
        SCOPED_TRACE(bad.toStdString());
        services.messages.clear();
        typeAndAdd(dialog, bad);
        ASSERT_EQ(services.messages.shown().size(), 1u);
        EXPECT_EQ(services.messages.shown()[0].text,
                  "Names cannot contain line breaks or other control characters!");
        EXPECT_EQ(services.messages.shown()[0].caption, "Notice");
        EXPECT_EQ(name(dialog)->text(), "");
    }
    EXPECT_EQ(store().players.size(), 1u);
    EXPECT_FALSE(exists("players.txt"));

    // Anything else is a name, even one that looks like a team.
    addTeam("Anna", "Bob");
    services.messages.clear();
    for (const QString& good : {QString("Anna & Bob"), QString("Zoë Ünal-O'Brien"), QString(" "),
                                QString::fromUtf8("\xE2\x99\xA0 Ace")}) {
        services.messages.answerYes();
        typeAndAdd(dialog, good);
    }
    EXPECT_EQ(services.messages.unscripted, 0);
    ASSERT_EQ(store().players.size(), 5u);
    EXPECT_EQ(*store().players[2], "Zoë Ünal-O'Brien");
    EXPECT_EQ(*store().players[4], "\xE2\x99\xA0 Ace");
}

TEST_F(AddPlayerDialogTest, AFailedWriteIsReportedAndThePlayerStays) {
    AddPlayerDialog dialog;
    removeFolder();
    services.messages.answerYes();
    typeAndAdd(dialog, "Anna");
    ASSERT_EQ(services.messages.captions(), (std::vector<QString>{"Warning", "Error"}));
    EXPECT_TRUE(services.messages.shown()[1].text.contains("players.txt"));
    EXPECT_EQ(services.messages.shown()[1].owner, &dialog);
    EXPECT_EQ(listed(dialog), QStringList{"Anna"});
    EXPECT_TRUE(store().hasPlayer("Anna"));
}

} // namespace
} // namespace corvane::dialogs

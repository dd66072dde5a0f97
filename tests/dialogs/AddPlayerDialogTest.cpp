#include "dialogs/AddPlayerDialog.h"

#include "DialogTestBase.h"

#include <QLineEdit>

namespace corvane::dialogs {
namespace {

using AddPlayerDialogTest = DialogTestBase;

QLineEdit* nameField(const QDialog& d) {
    return platform::control<QLineEdit>(d, 1001);
}
void add(const QDialog& d, const QString& text) {
    nameField(d)->setText(text);
    click(d, 1003);
}

TEST_F(AddPlayerDialogTest, AddsAfterYesKeepsTheNameAfterNoReportsAFailedWrite) {
    addPlayer("Zoe");
    AddPlayerDialog dialog;
    services.messages.answerNo();
    add(dialog, " Anna ");
    expectBox("Are you sure you want to add this player?\n\nVerify player's name is accurate. "
              "Names cannot be deleted!",
              "Warning", platform::MessageButtons::YesNo);
    EXPECT_EQ(lastBox().owner, &dialog);
    EXPECT_EQ(nameField(dialog)->text(), " Anna ");
    EXPECT_EQ(store().players.size(), 1u);
    EXPECT_FALSE(exists("players.txt"));

    // Blanks are kept as typed; the list sorts, the file keeps store order.
    services.messages.answerYes();
    click(dialog, 1003);
    services.messages.answerYes();
    add(dialog, "Adam");
    EXPECT_EQ(nameField(dialog)->text(), "");
    EXPECT_EQ(listTexts(dialog, 1005), (QStringList{" Anna ", "Adam", "Zoe"}));
    EXPECT_EQ(read("players.txt"), "PLAYER Zoe\nPLAYER  Anna \nPLAYER Adam\n");

    nameField(dialog)->setText("Half typed");
    click(dialog, 1004);
    EXPECT_EQ(nameField(dialog)->text(), "");

    removeFolder();
    services.messages.clear();
    services.messages.answerYes();
    add(dialog, "Mia");
    expectSaveError(1, "players.txt");
    EXPECT_TRUE(listTexts(dialog, 1005).contains("Mia"));
    EXPECT_EQ(*store().players.back(), "Mia");
}

TEST_F(AddPlayerDialogTest, RefusesEmptyDuplicateAndControlCharacterNames) {
    addPlayer("Anna");
    addTeam("Anna", "Bob");
    AddPlayerDialog dialog;
    add(dialog, "");
    EXPECT_EQ(boxes(), 0u);
    add(dialog, "aNNA");
    expectBox("Name already exists in list!", "Notice");
    EXPECT_EQ(nameField(dialog)->text(), "");
    for (const QString& bad : {QString("Ann\nSmith"), QString("Ann\r"), QString("\tAnn"),
                               QString("A") + QChar(0) + "nn", QString("Ann") + QChar(0x7F),
                               QString("Ann") + QChar(0x85), QString("Ann") + QChar(0x2028)}) {
        add(dialog, bad);
        expectBox("Names cannot contain line breaks or other control characters!", "Notice");
        EXPECT_EQ(nameField(dialog)->text(), "");
    }
    EXPECT_EQ(store().players.size(), 1u);

    // Anything else is a name, even one that looks like a team.
    for (const char* good : {"Anna & Bob", "Zoë Ünal-O'Brien", " ", "\xE2\x99\xA0 Ace"}) {
        services.messages.answerYes();
        add(dialog, QString::fromUtf8(good));
        EXPECT_EQ(*store().players.back(), good);
    }
}

} // namespace
} // namespace corvane::dialogs

#include "dialogs/AddPlayerDialog.h"

#include "DialogTestBase.h"

#include <QLineEdit>
#include <memory>

namespace corvane::dialogs {
namespace {

class AddPlayerDialogTest : public DialogTestBase {
protected:
    QLineEdit* name() { return platform::control<QLineEdit>(dialog(), 1001); }
    void add(const QString& text) {
        name()->setText(text);
        click(dialog(), 1003);
    }
    void expectNotice(const QString& text) {
        EXPECT_EQ(lastBox().text, text);
        EXPECT_EQ(lastBox().caption, "Notice");
        EXPECT_EQ(lastBox().buttons, platform::MessageButtons::Ok);
        EXPECT_EQ(name()->text(), "");
    }

    // Opened once the test's players are in the store, as the main window opens it.
    void open() { opened = std::make_unique<AddPlayerDialog>(); }
    AddPlayerDialog& dialog() { return *opened; }

    std::unique_ptr<AddPlayerDialog> opened;
};

TEST_F(AddPlayerDialogTest, AddsAfterYesKeepsTheNameAfterNo) {
    addPlayer("Zoe");
    open();
    services.messages.answerNo();
    add(" Anna ");
    EXPECT_EQ(lastBox().text, "Are you sure you want to add this player?\n\nVerify player's name "
                              "is accurate. Names cannot be deleted!");
    EXPECT_EQ(lastBox().caption, "Warning");
    EXPECT_EQ(lastBox().buttons, platform::MessageButtons::YesNo);
    EXPECT_EQ(lastBox().owner, &dialog());
    EXPECT_EQ(name()->text(), " Anna ");
    EXPECT_EQ(store().players.size(), 1u);
    EXPECT_FALSE(exists("players.txt"));

    // Blanks are kept as typed; the list sorts, the file keeps store order.
    services.messages.answerYes();
    click(dialog(), 1003);
    services.messages.answerYes();
    add("Adam");
    EXPECT_EQ(name()->text(), "");
    EXPECT_EQ(listTexts(dialog(), 1005), (QStringList{" Anna ", "Adam", "Zoe"}));
    EXPECT_EQ(read("players.txt"), "PLAYER Zoe\nPLAYER  Anna \nPLAYER Adam\n");

    name()->setText("Half typed");
    click(dialog(), 1004);
    EXPECT_EQ(name()->text(), "");
    EXPECT_EQ(boxes(), 3u);
}

TEST_F(AddPlayerDialogTest, RefusesEmptyDuplicateAndControlCharacterNames) {
    addPlayer("Anna");
    open();
    add("");
    EXPECT_EQ(boxes(), 0u);
    add("aNNA");
    expectNotice("Name already exists in list!");
    for (const QString& bad : {QString("Ann\nSmith"), QString("Ann\r"), QString("\tAnn"),
                               QString("A") + QChar(0) + "nn", QString("Ann") + QChar(0x7F),
                               QString("Ann") + QChar(0x85), QString("Ann") + QChar(0x2028)}) {
        add(bad);
        expectNotice("Names cannot contain line breaks or other control characters!");
    }
    EXPECT_EQ(boxes(), 8u);
    EXPECT_EQ(store().players.size(), 1u);

    // Anything else is a name, even one that looks like a team.
    addTeam("Anna", "Bob");
    for (const char* good : {"Anna & Bob", "Zoë Ünal-O'Brien", " ", "\xE2\x99\xA0 Ace"}) {
        services.messages.answerYes();
        add(QString::fromUtf8(good));
        EXPECT_EQ(*store().players.back(), good);
    }
    EXPECT_EQ(store().players.size(), 5u);
}

TEST_F(AddPlayerDialogTest, AFailedWriteIsReportedAndThePlayerStays) {
    open();
    removeFolder();
    services.messages.answerYes();
    add("Anna");
    EXPECT_EQ(services.messages.captions(), (std::vector<QString>{"Warning", "Error"}));
    EXPECT_TRUE(lastBox().text.contains("players.txt"));
    EXPECT_EQ(listTexts(dialog(), 1005), QStringList{"Anna"});
    EXPECT_TRUE(store().hasPlayer("Anna"));
}

} // namespace
} // namespace corvane::dialogs

// The three dialogs from the keyboard alone: Enter and Escape close none of
// them, the first tab stop has the focus, Space presses the focused button and
// the lists and boxes move with the arrow keys.
#include "DialogTestBase.h"
#include "dialogs/AddPlayerDialog.h"
#include "dialogs/GameResultsDialog.h"
#include "dialogs/TeamBuilderDialog.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <memory>

namespace corvane::dialogs {
namespace {

class KeyboardTest : public DialogTestBase {
protected:
    KeyboardTest() {
        addPlayer("Ann");
        addPlayer("Bob");
        addTeam("Cy", "Dee");
        addTeam("Eve", "Fay");
    }

    // Shows `dialog`, checks where the focus starts, and presses Enter and
    // Escape on it and on every control.
    void expectEnterAndEscapeIgnored(QDialog& dialog, int firstTabStop) {
        dialog.show();
        QApplication::processEvents();
        EXPECT_EQ(dialog.focusWidget(), platform::control<QWidget>(dialog, firstTabStop));
        int finished = 0;
        QObject::connect(&dialog, &QDialog::finished, [&finished] { ++finished; });
        std::vector<QWidget*> targets{&dialog};
        for (QWidget* child : dialog.findChildren<QWidget*>()) {
            if (!child->isWindow()) {
                targets.push_back(child);
            }
        }
        for (QWidget* target : targets) {
            for (int key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
                press(target, key);
            }
        }
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(finished, 0);
        EXPECT_TRUE(services.messages.shown().empty());
    }

    void pressSpaceOn(const QDialog& dialog, int buttonId) {
        QWidget* button = platform::control<QWidget>(dialog, buttonId);
        button->setFocus();
        press(button, Qt::Key_Space, " ");
    }
};

TEST_F(KeyboardTest, AddPlayer) {
    AddPlayerDialog dialog;
    expectEnterAndEscapeIgnored(dialog, 1001);
    auto* name = platform::control<QLineEdit>(dialog, 1001);
    name->setText("Cy");
    pressSpaceOn(dialog, 1003);
    ASSERT_EQ(services.messages.captions(), std::vector<QString>{"Warning"});
    name->setText("Dee");
    pressSpaceOn(dialog, 1004);
    EXPECT_EQ(name->text(), "");
    // The hidden Delete button takes no part.
    EXPECT_FALSE(platform::control<QWidget>(dialog, 1006)->isVisible());
}

TEST_F(KeyboardTest, TeamBuilder) {
    TeamBuilderDialog dialog;
    expectEnterAndEscapeIgnored(dialog, 1005);
    pressSpaceOn(dialog, 1007);
    EXPECT_EQ(services.messages.captions(), std::vector<QString>{"Build Team Tip"});
    EXPECT_FALSE(platform::control<QWidget>(dialog, 1008)->isVisible());
}

TEST_F(KeyboardTest, GameResults) {
    GameResultsDialog dialog;
    expectEnterAndEscapeIgnored(dialog, 1009);
    // The arrows choose teams and flags without opening a list.
    auto* team2 = platform::control<QComboBox>(dialog, 1010);
    press(team2, Qt::Key_Down);
    press(team2, Qt::Key_Down);
    EXPECT_EQ(team2->currentIndex(), 1);
    auto* flags = platform::control<QComboBox>(dialog, 1012);
    press(flags, Qt::Key_Down);
    EXPECT_EQ(flags->currentText(), "0");
    pressSpaceOn(dialog, 1013);
    EXPECT_EQ(services.messages.shown().back().text,
              "You must select a team from each drop down box.");
    pressSpaceOn(dialog, 1006);
    EXPECT_EQ(services.messages.shown().back().caption, "Warning");
    EXPECT_EQ(services.viewer.calls, published());
}

} // namespace
} // namespace corvane::dialogs

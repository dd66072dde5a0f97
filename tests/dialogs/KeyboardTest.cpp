// The three dialogs from the keyboard alone: Enter and Escape close none of
// them, the focus starts at the first tab stop, Space presses the focused
// button, and the lists and boxes follow the arrow keys.
#include "DialogTestBase.h"
#include "dialogs/AddPlayerDialog.h"
#include "dialogs/GameResultsDialog.h"
#include "dialogs/TeamBuilderDialog.h"

#include <QComboBox>
#include <QLineEdit>

namespace corvane::dialogs {
namespace {

class KeyboardTest : public DialogTestBase {
protected:
    KeyboardTest() {
        addPlayer("Ann");
        addPlayer("Bob");
        addPlayer("Cy");
        addTeam("Dee", "Eve");
        addTeam("Fay", "Gus");
    }

    // Shows `dialog` and presses Enter and Escape on it and on every control;
    // then Space on the button `buttonId` must show a box captioned `caption`.
    void check(QDialog& dialog, int firstTabStop, int buttonId, const QString& caption) {
        dialog.show();
        QApplication::processEvents();
        EXPECT_EQ(dialog.focusWidget(), platform::control<QWidget>(dialog, firstTabStop));
        std::vector<QWidget*> targets{&dialog};
        for (QWidget* child : dialog.findChildren<QWidget*>()) {
            targets.push_back(child);
        }
        for (QWidget* target : targets) {
            for (int key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
                press(target, key);
            }
        }
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(dialog.result(), 0);
        EXPECT_EQ(boxes(), 0u);
        pressSpace(dialog, buttonId, caption);
    }
    void pressSpace(const QDialog& dialog, int buttonId, const QString& caption) {
        QWidget* button = platform::control<QWidget>(dialog, buttonId);
        button->setFocus();
        press(button, Qt::Key_Space, " ");
        ASSERT_EQ(boxes(), 1u);
        EXPECT_EQ(lastBox().caption, caption);
        services.messages.clear();
    }
};

TEST_F(KeyboardTest, EveryDialogWorksWithoutTheMouse) {
    AddPlayerDialog addPlayer;
    platform::control<QLineEdit>(addPlayer, 1001)->setText("Dee");
    check(addPlayer, 1001, 1003, "Warning");

    TeamBuilderDialog teamBuilder;
    check(teamBuilder, 1005, 1007, "Build Team Tip");
    // In the Available Players list the arrows move and Space toggles a player.
    auto* list = platform::control<QListWidget>(teamBuilder, 1005);
    list->setCurrentRow(0, QItemSelectionModel::NoUpdate);
    for (int key : {Qt::Key_Space, Qt::Key_Down, Qt::Key_Down, Qt::Key_Space}) {
        press(list, key, key == Qt::Key_Space ? " " : "");
    }
    ASSERT_EQ(list->selectedItems().size(), 2);
    EXPECT_EQ(list->selectedItems()[1]->text(), "Cy");

    GameResultsDialog gameResults;
    check(gameResults, 1009, 1013, "Warning");
    auto* team2 = platform::control<QComboBox>(gameResults, 1010);
    press(team2, Qt::Key_Down);
    press(team2, Qt::Key_Down);
    EXPECT_EQ(team2->currentText(), "Fay & Gus");
    // Delete publishes even when answered No.
    pressSpace(gameResults, 1006, "Warning");
    EXPECT_EQ(services.viewer.calls, published());
}

} // namespace
} // namespace corvane::dialogs

// The three dialogs from the keyboard: Enter and Escape close none of them,
// the focus starts at the first tab stop, and Space presses the focused button.
#include "DialogTestBase.h"
#include "dialogs/AddPlayerDialog.h"
#include "dialogs/GameResultsDialog.h"
#include "dialogs/TeamBuilderDialog.h"

#include <QLineEdit>

namespace corvane::dialogs {
namespace {

class KeyboardTest : public DialogTestBase {
protected:
    // Shows `dialog`, presses Enter and Escape on it and on every control, then
    // Space on the button `buttonId`, which must show a box captioned `caption`.
    void check(QDialog& dialog, int firstTabStop, int buttonId, const QString& caption) {
        dialog.show();
        QApplication::processEvents();
        EXPECT_EQ(dialog.focusWidget(), platform::control<QWidget>(dialog, firstTabStop));
        QList<QWidget*> targets = dialog.findChildren<QWidget*>();
        targets << &dialog;
        for (QWidget* target : targets) {
            for (int key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
                press(target, key);
            }
        }
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(boxes(), 0u);
        QWidget* button = platform::control<QWidget>(dialog, buttonId);
        button->setFocus();
        press(button, Qt::Key_Space, " ");
        EXPECT_EQ(boxes(), 1u);
        EXPECT_EQ(lastBox().caption, caption);
        services.messages.clear();
    }
};

TEST_F(KeyboardTest, EveryDialogWorksWithoutTheMouse) {
    addTeam("Dee", "Eve");
    AddPlayerDialog addPlayer;
    platform::control<QLineEdit>(addPlayer, 1001)->setText("Dee");
    check(addPlayer, 1001, 1003, "Warning");

    TeamBuilderDialog teamBuilder;
    check(teamBuilder, 1005, 1007, "Build Team Tip");

    GameResultsDialog gameResults;
    check(gameResults, 1009, 1006, "Warning"); // Delete publishes after a No too
    EXPECT_EQ(services.viewer.calls, published());
}

} // namespace
} // namespace corvane::dialogs

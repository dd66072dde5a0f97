// The screen chooser, by keyboard as the organiser uses it.
#include "TestServices.h"
#include "dialogs/ScreenChooserDialog.h"

#include <QListWidget>
#include <QTest>
#include <gtest/gtest.h>

namespace corvane::testing {
namespace {

TEST(ScreenChooserTest, ThePreselectedScreenIsMovedFromWithTheArrowsAndChosenWithEnter) {
    ensureApplication();
    const QStringList screens{"eDP-1 (1280 x 800), the main screen", "HDMI-1 (1920 x 1080)",
                              "DP-2 (1024 x 768)"};
    // Row, keys pressed, row chosen; a remembered screen no longer there starts at the first.
    const std::tuple<int, std::vector<Qt::Key>, int> cases[] = {
        {1, {}, 1},
        {1, {Qt::Key_Down}, 2},
        {2, {Qt::Key_Up, Qt::Key_Up}, 0},
        {-1, {Qt::Key_Down}, 1},
    };
    for (const auto& [preselected, keys, chosen] : cases) {
        dialogs::ScreenChooserDialog dialog(nullptr, screens, preselected);
        dialog.show();
        QApplication::setActiveWindow(&dialog);
        for (const Qt::Key key : keys)
            QTest::keyClick(dialog.list(), key);
        QTest::keyClick(dialog.list(), Qt::Key_Return);
        EXPECT_EQ(dialog.result(), QDialog::Accepted) << preselected;
        EXPECT_EQ(dialog.chosen(), chosen) << preselected;
    }
}

} // namespace
} // namespace corvane::testing

// The screen chooser, by keyboard as the organiser uses it.
#include "CaseTable.h"
#include "TestServices.h"
#include "dialogs/ScreenChooserDialog.h"
#include "platform/ScreenIdentity.h"

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

// Screens are told apart by name and place: a desktop may name two screens alike.
TEST(ScreenChooserTest, AScreenIsFoundByItsNameAndPlace) {
    using platform::ScreenPlace;
    const QList<ScreenPlace> screens{{"screen", QRect(0, 0, 1280, 800)},
                                     {"screen", QRect(1280, 0, 1920, 1080)},
                                     {"HDMI-1", QRect(3200, 0, 1024, 768)}};
    for (const CaseRow& c : readCaseTable(CORVANE_DIALOG_CASES "/screens.tsv", 2))
        EXPECT_EQ(platform::findScreen(screens, QString::fromStdString(c[0])), std::stoi(c[1]))
            << c[0];
    EXPECT_EQ(platform::screenIdentity(screens[1]), "screen@1280,0,1920x1080");
}

} // namespace
} // namespace corvane::testing

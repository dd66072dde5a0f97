// Windows built from the templates in res/: captions, tab order, fixed sizes and
// Windows' rounding of dialog units, and Enter and Escape, which close no window.
#include "TestServices.h"
#include "platform/DialogTemplate.h"
#include "platform/DialogUnits.h"
#include "platform/KeyFilter.h"
#include "platform/QtServices.h"
#include "res/ids/AboutBox.h"
#include "res/ids/AddPlayer.h"
#include "res/ids/GameResults.h"
#include "res/ids/MainWindow.h"
#include "res/ids/TeamBuilder.h"

#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace corvane::platform {
namespace {

TEST(TemplateWindowsTest, EveryTemplateBuildsWithItsCaptionTabOrderAndSize) {
    corvane::testing::ensureApplication();
    namespace main = ids::mainWindow;
    namespace add = ids::addPlayer;
    namespace team = ids::teamBuilder;
    namespace game = ids::gameResults;
    const std::tuple<int, QString, std::vector<int>> all[] = {
        {ids::aboutBox::templateId, "About Corvane Tournament Software", {ids::aboutBox::ok}},
        {main::templateId,
         "Corvane Tournament Software v1.2",
         {main::addPlayer, main::teamBuilder, main::enterGameResults, main::viewTournamentResults}},
        {add::templateId,
         "Add Player",
         {add::name, add::add, add::clear, add::players, add::remove}},
        {team::templateId,
         "Team Builder",
         {team::availablePlayers, team::build, team::clear, team::teams, team::remove}},
        {game::templateId,
         "Enter Game Results",
         {game::team1, game::team1Score, game::team1Flags, game::team2, game::team2Score,
          game::team2Flags, game::save, game::completedGames, game::remove}}};
    for (const auto& [id, caption, tabOrder] : all) {
        QDialog dialog;
        ASSERT_TRUE(buildFromTemplate(dialog, id));
        QString shown = dialog.windowTitle() + ":", expected = caption + ":";
        for (QWidget* w = dialog.nextInFocusChain(); w != &dialog; w = w->nextInFocusChain())
            if (w->focusPolicy() == Qt::StrongFocus && w->parentWidget() == &dialog)
                shown += " " + w->objectName();
        for (int control : tabOrder)
            expected += " " + QString::number(control);
        EXPECT_EQ(shown, expected);
        EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize()) << id;
    }
    // Windows' rounding: halves away from zero, and -1 for a division by zero.
    EXPECT_EQ((std::vector{mulDiv(7, 6, 4), mulDiv(3, 5, 4), mulDiv(-7, 6, 4), mulDiv(1, 1, 0)}),
              (std::vector{11, 4, -11, -1}));
}

// Every other test answers boxes from a script; this is the box a person sees.
TEST(TemplateWindowsTest, MessageBoxesHaveNoIconAndTheGivenCaptionTextButtonsAndOwner) {
    corvane::testing::ensureApplication();
    QWidget owner;
    const auto box =
        makeMessageBox(&owner, "<b>Sure?</b>\n\nReally.", "Warning", MessageButtons::YesNo);
    EXPECT_EQ(std::tuple(box->icon(), box->windowTitle(), box->text(), box->textFormat(),
                         box->standardButtons(), box->parentWidget(), box->isModal()),
              std::tuple(QMessageBox::NoIcon, "Warning", "<b>Sure?</b>\n\nReally.", Qt::PlainText,
                         QMessageBox::Yes | QMessageBox::No, &owner, true));
}

TEST(TemplateWindowsTest, EnterAndEscapeNeverCloseTheWindowNorPressAButton) {
    corvane::testing::ensureApplication();
    QDialog players;
    ASSERT_TRUE(buildFromTemplate(players, ids::addPlayer::templateId));
    auto* add = control<QPushButton>(players, ids::addPlayer::add);
    add->setDefault(true);
    installEnterEscapeFilter(players);
    int clicks = 0;
    QObject::connect(add, &QPushButton::clicked, [&clicks] { ++clicks; });
    players.show();
    for (QWidget* target :
         {control<QWidget>(players, ids::addPlayer::name), static_cast<QWidget*>(&players)})
        for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape})
            QTest::keyClick(target, key);
    EXPECT_TRUE(players.isVisible() && clicks == 0);
}

} // namespace
} // namespace corvane::platform

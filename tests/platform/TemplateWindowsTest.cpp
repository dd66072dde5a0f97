// Windows built from the templates in res/: captions, named controls, tab order,
// fixed sizes and Windows' rounding of dialog units, and Enter and Escape, which
// close no window.
#include "TestServices.h"
#include "platform/DialogTemplate.h"
#include "platform/DialogUnits.h"
#include "platform/KeyFilter.h"
#include "platform/QtServices.h"
#include "platform/TemplateData.h"
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

// A control's kind and text as one string: "LISTBOX", "PUSHBUTTON Add".
QString describe(const ControlTemplate& control) {
    static const char* const kinds[] = {"PUSHBUTTON", "DEFPUSHBUTTON", "EDITTEXT", "LISTBOX",
                                        "COMBOBOX",   "STATIC",        "GROUPBOX", "ICON"};
    const auto kind = static_cast<std::size_t>(control.kind);
    QString text = kind < std::size(kinds) ? kinds[kind] : "?";
    return control.text.isEmpty() ? text : text + " " + control.text;
}

const ControlTemplate* controlOf(const DialogTemplate& dialog, int id) {
    for (const ControlTemplate& control : dialog.controls)
        if (control.id == id)
            return &control;
    return nullptr;
}

// Each named ID is the control its name says, in tab order, so a template edit
// cannot quietly rewire a window.
TEST(TemplateWindowsTest, EveryTemplateBuildsWithItsCaptionNamedControlsTabOrderAndSize) {
    corvane::testing::ensureApplication();
    namespace main = ids::mainWindow;
    namespace add = ids::addPlayer;
    namespace team = ids::teamBuilder;
    namespace game = ids::gameResults;
    using Controls = std::vector<std::pair<int, QString>>;
    const std::tuple<int, QString, Controls> all[] = {
        {ids::aboutBox::templateId,
         "About Corvane Tournament Software",
         {{ids::aboutBox::ok, "DEFPUSHBUTTON OK"}}},
        {main::templateId,
         "Corvane Tournament Software v1.2",
         {{main::addPlayer, "PUSHBUTTON Add Player"},
          {main::teamBuilder, "PUSHBUTTON Team Builder"},
          {main::enterGameResults, "PUSHBUTTON Enter Game Results"},
          {main::viewTournamentResults, "PUSHBUTTON View Tournament Results"}}},
        {add::templateId,
         "Add Player",
         {{add::name, "EDITTEXT"},
          {add::add, "PUSHBUTTON Add"},
          {add::clear, "PUSHBUTTON Clear"},
          {add::players, "LISTBOX"},
          {add::remove, "PUSHBUTTON Delete"}}},
        {team::templateId,
         "Team Builder",
         {{team::availablePlayers, "LISTBOX"},
          {team::build, "PUSHBUTTON Build"},
          {team::clear, "PUSHBUTTON Clear"},
          {team::teams, "LISTBOX"},
          {team::remove, "PUSHBUTTON Delete"}}},
        {game::templateId,
         "Enter Game Results",
         {{game::team1, "COMBOBOX"},
          {game::team1Score, "EDITTEXT"},
          {game::team1Flags, "COMBOBOX"},
          {game::team2, "COMBOBOX"},
          {game::team2Score, "EDITTEXT"},
          {game::team2Flags, "COMBOBOX"},
          {game::save, "PUSHBUTTON Save"},
          {game::completedGames, "LISTBOX"},
          {game::remove, "PUSHBUTTON Delete"}}}};
    for (const auto& [id, caption, controls] : all) {
        const std::optional<DialogTemplate> data = loadDialogTemplate(id);
        ASSERT_TRUE(data) << id;
        QDialog dialog;
        ASSERT_TRUE(buildFromTemplate(dialog, id));
        QString shown = dialog.windowTitle() + ":", expected = caption + ":";
        for (QWidget* w = dialog.nextInFocusChain(); w != &dialog; w = w->nextInFocusChain()) {
            if (w->focusPolicy() != Qt::StrongFocus || w->parentWidget() != &dialog)
                continue;
            const ControlTemplate* control = controlOf(*data, w->objectName().toInt());
            shown += " " + w->objectName() + " " + (control ? describe(*control) : "none") + ",";
        }
        for (const auto& [control, text] : controls)
            expected += " " + QString::number(control) + " " + text + ",";
        EXPECT_EQ(shown, expected);
        EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize()) << id;
    }
    // Team 1's boxes stand above Team 2's.
    const std::optional<DialogTemplate> gameDialog = loadDialogTemplate(game::templateId);
    for (const auto& [one, two] : {std::pair{game::team1, game::team2},
                                   {game::team1Score, game::team2Score},
                                   {game::team1Flags, game::team2Flags}})
        EXPECT_LT(controlOf(*gameDialog, one)->rect.y(), controlOf(*gameDialog, two)->rect.y());

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

// The named control IDs against the templates they name: each constant is the
// control its name says, so a template edit cannot quietly rewire a window.
#include "platform/TemplateData.h"
#include "res/ids/AboutBox.h"
#include "res/ids/AddPlayer.h"
#include "res/ids/GameResults.h"
#include "res/ids/MainWindow.h"
#include "res/ids/TeamBuilder.h"

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

TEST(TemplateIdsTest, EveryNamedIdIsTheControlItsNameSays) {
    namespace main = ids::mainWindow;
    namespace add = ids::addPlayer;
    namespace team = ids::teamBuilder;
    namespace game = ids::gameResults;
    const std::tuple<int, int, QString> named[] = {
        {ids::aboutBox::templateId, ids::aboutBox::ok, "DEFPUSHBUTTON OK"},
        {main::templateId, main::addPlayer, "PUSHBUTTON Add Player"},
        {main::templateId, main::teamBuilder, "PUSHBUTTON Team Builder"},
        {main::templateId, main::enterGameResults, "PUSHBUTTON Enter Game Results"},
        {main::templateId, main::viewTournamentResults, "PUSHBUTTON View Tournament Results"},
        {add::templateId, add::name, "EDITTEXT"},
        {add::templateId, add::add, "PUSHBUTTON Add"},
        {add::templateId, add::clear, "PUSHBUTTON Clear"},
        {add::templateId, add::players, "LISTBOX"},
        {add::templateId, add::remove, "PUSHBUTTON Delete"},
        {team::templateId, team::availablePlayers, "LISTBOX"},
        {team::templateId, team::build, "PUSHBUTTON Build"},
        {team::templateId, team::remove, "PUSHBUTTON Delete"},
        {team::templateId, team::teams, "LISTBOX"},
        {team::templateId, team::clear, "PUSHBUTTON Clear"},
        {game::templateId, game::team1, "COMBOBOX"},
        {game::templateId, game::team2, "COMBOBOX"},
        {game::templateId, game::team1Score, "EDITTEXT"},
        {game::templateId, game::team2Score, "EDITTEXT"},
        {game::templateId, game::team1Flags, "COMBOBOX"},
        {game::templateId, game::team2Flags, "COMBOBOX"},
        {game::templateId, game::save, "PUSHBUTTON Save"},
        {game::templateId, game::completedGames, "LISTBOX"},
        {game::templateId, game::remove, "PUSHBUTTON Delete"},
    };
    for (const auto& [templateId, id, expected] : named) {
        const std::optional<DialogTemplate> dialog = loadDialogTemplate(templateId);
        ASSERT_TRUE(dialog) << templateId;
        QString found = "none";
        for (const ControlTemplate& control : dialog->controls)
            if (control.id == id)
                found = describe(control);
        EXPECT_EQ(found, expected) << templateId << " " << id;
    }
    // Team 1's boxes stand above Team 2's.
    const std::optional<DialogTemplate> gameDialog = loadDialogTemplate(game::templateId);
    const auto top = [&](int id) {
        for (const ControlTemplate& c : gameDialog->controls)
            if (c.id == id)
                return c.rect.y();
        return -1;
    };
    EXPECT_LT(top(game::team1), top(game::team2));
    EXPECT_LT(top(game::team1Score), top(game::team2Score));
    EXPECT_LT(top(game::team1Flags), top(game::team2Flags));

    EXPECT_EQ(loadDialogTemplate(main::templateId)->menuId, main::menuId);
    const std::optional<MenuTemplate> menu = loadMenuTemplate(main::menuId);
    ASSERT_TRUE(menu && !menu->popups.empty());
    QStringList commands;
    for (const MenuItemTemplate& item : menu->popups.front().items)
        commands << (item.separator ? QString("-") : QString::number(item.id) + " " + item.text);
    EXPECT_EQ(commands,
              (QStringList{
                  QString::number(main::startNewTournament) + " &Start New Tournament", "-",
                  QString::number(main::loadArchivedTournament) + " &Load Archived Tournament"}));
    EXPECT_EQ(loadString(main::aboutText), "&About Corvane Tournament Software...");
}

} // namespace
} // namespace corvane::platform

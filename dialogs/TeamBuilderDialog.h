#pragma once
// Pairs registered players into teams of two.
#include "dialogs/AssignedPlayers.h"

#include <QDialog>
#include <string_view>

class QListWidget;

namespace corvane::dialogs {

class TeamBuilderDialog : public QDialog {
    Q_OBJECT
public:
    explicit TeamBuilderDialog(QWidget* parent = nullptr);

    // Button "Build": exactly two selected players become a team, after a question.
    void OnBuild();
    // Button "Clear": deselects every available player.
    void OnClear();

    // Shows the players who are in no team yet; the list keeps them sorted.
    void FillAvailablePlayers();
    // False when some team has this player, letter case aside.
    bool IsUnassignedPlayer(std::string_view name) const;
    // Shows every team's name; the list keeps them sorted.
    void FillTeamList();

private:
    void BuildTeam(int firstRow, int secondRow);

    QListWidget* availablePlayers_ = nullptr;
    QListWidget* teamList_ = nullptr;
    // Rebuilt by every fill, and whenever a team was added since.
    mutable AssignedPlayers assigned_;
};

} // namespace corvane::dialogs

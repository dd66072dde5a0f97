#pragma once
// Records the result of each game between two teams, and deletes a wrongly
// entered one; every change is written at once and the standings republished.
#include "store/Records.h"

#include <QDialog>

class QComboBox;
class QLineEdit;
class QListWidget;

namespace corvane::dialogs {

class GameResultsDialog : public QDialog {
    Q_OBJECT
public:
    explicit GameResultsDialog(QWidget* parent = nullptr);

    // Button "Save": checks the teams and scores, asks, then records the game.
    void OnSave();
    // Button "Delete": asks, then removes the selected game, if any.
    void OnDelete();

    // Scores to 0, no team and no flags chosen.
    void ResetInputs();
    // Both team combos list the teams in the store's order of this moment.
    void FillTeamCombos();
    // One game line per game, in store order.
    void FillGameList();
    // 2 when the Team 2 score is invalid, else 1 when the Team 1 score is, else 0.
    int ValidateScores() const;

private:
    GameRecord ReadGame() const;
    void RecordGame(const GameRecord& game);

    QComboBox* team1_ = nullptr;
    QComboBox* team2_ = nullptr;
    QLineEdit* team1Score_ = nullptr;
    QLineEdit* team2Score_ = nullptr;
    QComboBox* team1Flags_ = nullptr;
    QComboBox* team2Flags_ = nullptr;
    QListWidget* gameList_ = nullptr;
};

} // namespace corvane::dialogs

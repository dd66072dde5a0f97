#pragma once
// Corrects a saved game in place: its teams, scores and flags, checked as Save
// checks them. The game keeps its place in the list and the standings follow.
#include "store/Records.h"

#include <QDialog>
#include <QStringList>
#include <functional>

class QListWidget;

class QComboBox;
class QLineEdit;

namespace corvane::dialogs {

class CorrectGameDialog : public QDialog {
    Q_OBJECT
public:
    // Shows `game`; the team boxes list `teams` in their order (as the Game
    // Results boxes list them), wide enough for the longest name.
    CorrectGameDialog(const GameRecord& game, const QStringList& teams, QWidget* parent = nullptr);

    // OK: the values are checked, and the dialog closes only when they pass.
    void OnOk();
    // The game as the dialog now shows it.
    GameRecord ReadGame() const;

private:
    QComboBox* team1_ = nullptr;
    QComboBox* team2_ = nullptr;
    QLineEdit* score1_ = nullptr;
    QLineEdit* score2_ = nullptr;
    QComboBox* flags1_ = nullptr;
    QComboBox* flags2_ = nullptr;
};

// Binds "Correct Game…" (F2 and the context menu) to the Completed Games list
// of `owner`: the corrected game replaces the selected one, games.txt is
// written, the change journaled and the standings republished; `refill` then
// shows the list again, with the same line selected.
// The team boxes list what `teams` gives, in its order.
void installCorrectGame(QDialog& owner, QListWidget& games, std::function<QStringList()> teams,
                        std::function<void()> refill);

} // namespace corvane::dialogs

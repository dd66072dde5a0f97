#pragma once
// The checks a game's values pass before it is saved or corrected.
#include <QString>
#include <optional>

namespace corvane::dialogs {

struct GameProblem {
    QString text;
    QString caption;
    bool sameTeam = false; // the second team is to be chosen again
};

// Both teams chosen (indexes from 0), different, both scores readable as 0 to
// the maximum; the problem as the organiser is told it, or none.
std::optional<GameProblem> checkGame(int team1, int team2, const QString& score1,
                                     const QString& score2);

} // namespace corvane::dialogs

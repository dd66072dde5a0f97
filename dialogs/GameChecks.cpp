#include "dialogs/GameChecks.h"

#include "dialogs/ScoreText.h"

namespace corvane::dialogs {

std::optional<GameProblem> checkGame(int team1, int team2, const QString& score1,
                                     const QString& score2) {
    if (team1 < 0 || team2 < 0) {
        return GameProblem{QStringLiteral("You must select a team from each drop down box."),
                           QStringLiteral("Warning")};
    }
    if (team1 == team2) {
        return GameProblem{QStringLiteral("You have the same team selected twice!"),
                           QStringLiteral("Error"), true};
    }
    // Team 2 is named when both are wrong.
    for (const auto& [score, team] : {std::pair{&score2, 2}, std::pair{&score1, 1}}) {
        if (!readScore(score->toStdString())) {
            return GameProblem{
                QStringLiteral("You have entered an invalid score for Team %1!").arg(team),
                QStringLiteral("Error")};
        }
    }
    return std::nullopt;
}

} // namespace corvane::dialogs

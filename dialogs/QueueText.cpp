#include "dialogs/QueueText.h"

namespace corvane::dialogs {
namespace {

QString pair(std::int32_t first, std::int32_t second) {
    return QStringLiteral("%1 - %2").arg(first).arg(second);
}

QString stateText(const tables::QueueItem& item) {
    switch (item.state) {
    case tables::ResultState::entered:
        return QStringLiteral("Entered by one team");
    case tables::ResultState::confirmed:
        return QStringLiteral("Confirmed by both teams");
    case tables::ResultState::saved:
        return QStringLiteral("Saved");
    case tables::ResultState::rejected:
        return QStringLiteral("Rejected");
    case tables::ResultState::mismatch:
        break;
    }
    const GameRecord& other = item.other ? *item.other : item.game;
    return QStringLiteral("Mismatch: the other entry was %1 (flags %2)")
        .arg(pair(other.team1Score, other.team2Score), pair(other.team1Flags, other.team2Flags));
}

} // namespace

QStringList queueCells(const tables::QueueItem& item) {
    const GameRecord& game = item.game;
    return {QString::number(item.table),
            QString::fromStdString(game.team1Name + " vs " + game.team2Name),
            pair(game.team1Score, game.team2Score),
            pair(game.team1Flags, game.team2Flags),
            stateText(item),
            QString::fromStdString(item.device),
            QString::fromStdString(item.when)};
}

} // namespace corvane::dialogs

#pragma once
// A played tournament published as the program publishes it, with the
// program's own page images, for the viewer's tests.
#include "reports/WriteReports.h"
#include "store/TournamentStore.h"

#include <QDir>
#include <QFile>
#include <string>

namespace corvane::testing {

// Tournament1 in `workingDirectory`: `teams` teams (an even number), three rounds.
// False if anything could not be written.
inline bool publishTournament(const QString& workingDirectory, int teams) {
    TournamentStore store;
    store.workingDirectory = workingDirectory.toStdString();
    store.tournamentFolder = "Tournament1";
    if (!QDir(workingDirectory).mkpath("Tournament1"))
        return false;
    for (int i = 0; i < teams; ++i)
        store.buildTeam("Player " + std::to_string(i) + "a", "Player " + std::to_string(i) + "b");
    store.refreshOpponentLists();
    for (int round = 1; round <= 3; ++round)
        for (int i = 0; i < teams; i += 2)
            store.recordGame(
                {100 * round + i, 90 * round + 7 * i, round % 3, i % 2,
                 store.teams()[static_cast<std::size_t>(i)].teamName,
                 store.teams()[static_cast<std::size_t>((i + 2 * round + 1) % teams)].teamName});
    if (!writeReports(store).ok())
        return false;
    for (const char* image : {"title.jpg", "back.jpg"}) {
        const QString copy =
            QDir(workingDirectory).filePath(QStringLiteral("Tournament1/") + image);
        QFile::remove(copy);
        if (!QFile::copy(QStringLiteral(CORVANE_DEFAULT_IMAGES "/") + image, copy))
            return false;
    }
    return true;
}

} // namespace corvane::testing

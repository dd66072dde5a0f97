// The child of the crash-safety test: opens the tournament in the working
// directory given as it is, then grows it by a player, a team and a game at
// a time and saves every file after every step, until it is killed. It prints
// its process id, then a line after each round of saves.
#include "SaveVersions.h"

#include <cstdio>
#include <unistd.h>

int main(int, char** argv) {
    using namespace corvane;
    TournamentStore store;
    if (store.readTournamentNumber(argv[1]).refused()) {
        return 1;
    }
    store.tournamentFolder = "Tournament1";
    if (store.loadAll().refused()) {
        return 1;
    }
    std::printf("%d\n", static_cast<int>(::getpid()));
    std::fflush(stdout);
    // Until killed; a failed save ends the loop, which the parent sees as a fault.
    for (;;) {
        store.addPlayer(proof::playerName(store.players().size()));
        if (const std::size_t j = store.teams().size(); store.players().size() >= 2 * j + 2) {
            store.buildTeam(proof::playerName(2 * j), proof::playerName(2 * j + 1));
        }
        if (store.teams().size() >= 2) {
            store.recordGame(proof::gameNumber(store.games().size()));
        }
        store.tournamentNumber = static_cast<std::int32_t>(store.games().size() + 1);
        if (!(store.writePlayers() && store.writeTeams() && store.writeGames() &&
              store.writeTournamentNumber())) {
            return 1;
        }
        if (::write(STDOUT_FILENO, "saved\n", 6) != 6) {
            return 1;
        }
    }
}

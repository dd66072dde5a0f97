// The child of the crash-safety test: opens the tournament in the given
// working directory as the program does, then grows it and saves every file
// after every step, until it is killed.
#include "SaveVersions.h"

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: proof_save_loop WORKING-DIRECTORY\n");
        return 2;
    }
    corvane::TournamentStore store;
    store.readTournamentNumber(argv[1]);
    store.tournamentFolder = "Tournament1";
    store.loadAll();
    for (;;) {
        corvane::proof::growOneStep(store);
        // A failed save here is a fault the parent sees in the files.
        if (!store.writePlayers() || !store.writeTeams() || !store.writeGames()) {
            return 1;
        }
        store.tournamentNumber = static_cast<std::int32_t>(store.games.size() + 1);
        if (!store.writeTournamentNumber()) {
            return 1;
        }
    }
}

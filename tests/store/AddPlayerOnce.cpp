// The child of the durability test: opens the tournament in the folder given
// and adds one player through the door, as the program does, then ends.
#include "history/ApplyChange.h"

int main(int argc, char** argv) {
    using namespace corvane;
    TournamentStore store;
    if (argc != 2 || store.readTournamentNumber(argv[1]).refused() || store.loadAll().refused()) {
        return 2;
    }
    return history::applyChange(store, history::AddPlayers{{"Ann"}}).done ? 0 : 1;
}

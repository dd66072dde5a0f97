#include "app/OpenCurrentTournament.h"

#include "store/TournamentStore.h"

#include <filesystem>
#include <system_error>

namespace corvane::app {

bool openCurrentTournament() {
    TournamentStore::createStore();
    TournamentStore& store = *TournamentStore::instance;
    // The directory as the system reports it, of any length.
    std::error_code error;
    const std::filesystem::path current = std::filesystem::current_path(error);
    // Built in one step: GCC 12 at -O2 takes an assignment over it for an overlapping copy.
    const std::string workingDirectory = error ? std::string(".") : current.string();
    store.readTournamentNumber(workingDirectory);
    store.loadAll();
    return store.noTournamentYet == 0;
}

} // namespace corvane::app

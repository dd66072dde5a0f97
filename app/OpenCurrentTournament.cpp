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
    std::string workingDirectory = std::filesystem::current_path(error).string();
    if (error) {
        workingDirectory = ".";
    }
    store.readTournamentNumber(workingDirectory);
    store.loadAll();
    return store.noTournamentYet == 0;
}

} // namespace corvane::app

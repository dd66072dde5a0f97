#include "app/OpenCurrentTournament.h"

#include "history/Transaction.h"
#include "store/TournamentStore.h"

#include <filesystem>
#include <system_error>

namespace corvane::app {

OpenedTournament openCurrentTournament() {
    TournamentStore::createStore();
    TournamentStore& store = *TournamentStore::instance;
    // The directory as the system reports it, of any length.
    std::error_code error;
    const std::filesystem::path current = std::filesystem::current_path(error);
    // Built in one step: GCC 12 at -O2 takes an assignment over it for an overlapping copy.
    const std::string workingDirectory = error ? std::string(".") : current.string();
    OpenedTournament opened;
    const ReadResult dat = store.readTournamentNumber(workingDirectory);
    // A change a killed program had decided is finished before anything is read.
    history::finishInterruptedChange(store);
    const ReadResult data = store.loadAll();
    for (const ReadResult& read : {dat, data}) {
        if (read.refused() && !opened.refused) {
            opened.refused = read;
        }
    }
    opened.exists = !store.noTournamentYet;
    return opened;
}

} // namespace corvane::app

#include "dialogs/AssignedPlayers.h"

#include "store/NameCompare.h"

namespace corvane::dialogs {

void AssignedPlayers::rebuild(const TournamentStore& store) {
    folded_.clear();
    folded_.reserve(2 * store.teams().size());
    for (const TeamRecord& team : store.teams()) {
        folded_.insert(foldName(team.firstPlayer));
        folded_.insert(foldName(team.secondPlayer));
    }
    store_ = &store;
    teamCount_ = store.teams().size();
}

bool AssignedPlayers::isCurrent(const TournamentStore& store) const {
    return store_ == &store && teamCount_ == store.teams().size();
}

bool AssignedPlayers::contains(std::string_view name) const {
    return folded_.count(foldName(name)) != 0;
}

} // namespace corvane::dialogs

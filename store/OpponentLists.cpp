#include "store/NameCompare.h"
#include "store/StoreIndex.h"

#include <numeric>

namespace corvane {

// Every team gets an entry for every other team it has none for, in `teams`
// order. Teams already refreshed hold entries for each other, so for them only
// the pairs with a team that came since need a look: one new team costs a
// pass over the teams, not over all pairs.
void TournamentStore::refreshOpponentLists() {
    const std::size_t count = teams.size();
    std::vector<std::size_t> hashes(count);
    std::vector<bool> isNew(count);
    std::vector<std::size_t> newTeams;
    for (std::size_t i = 0; i < count; ++i) {
        hashes[i] = foldedHash(teams[i]->teamName);
        isNew[i] = !index_->refreshed.contains(teams[i].get());
        if (isNew[i]) {
            newTeams.push_back(i);
        }
    }
    if (newTeams.empty()) {
        return;
    }
    std::vector<std::size_t> allTeams(count);
    std::iota(allTeams.begin(), allTeams.end(), std::size_t{0});

    for (std::size_t i = 0; i < count; ++i) {
        TeamRecord& team = *teams[i];
        const std::vector<std::size_t>& others = isNew[i] ? allTeams : newTeams;
        team.reserveOpponents(team.opponents.size() + others.size());
        for (std::size_t j : others) {
            const std::string& other = teams[j]->teamName;
            if (hashes[j] == hashes[i] && namesEqual(other, team.teamName)) {
                continue;
            }
            if (!team.hasOpponent(other, hashes[j])) {
                team.addOpponent(other, hashes[j]);
            }
        }
    }
    for (std::size_t i : newTeams) {
        index_->refreshed.insert(teams[i].get());
    }
}

} // namespace corvane

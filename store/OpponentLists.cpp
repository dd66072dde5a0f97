#include "store/NameCompare.h"
#include "store/StoreIndex.h"

#include <algorithm>
#include <numeric>

namespace corvane {
namespace {

// The positions of the teams that come first under their name, in `teams`
// order: what a team with no entries yet receives, its own name left out.
std::vector<std::size_t> firstUnderEachName(const std::vector<std::unique_ptr<TeamRecord>>& teams,
                                            const std::vector<std::size_t>& hashes) {
    std::unordered_map<std::size_t, std::vector<std::size_t>> seen;
    std::vector<std::size_t> firsts;
    for (std::size_t j = 0; j < teams.size(); ++j) {
        auto& sameHash = seen[hashes[j]];
        const bool repeated = std::any_of(sameHash.begin(), sameHash.end(), [&](std::size_t k) {
            return namesEqual(teams[k]->teamName, teams[j]->teamName);
        });
        if (!repeated) {
            sameHash.push_back(j);
            firsts.push_back(j);
        }
    }
    return firsts;
}

} // namespace

// Every team gets an entry for every other team it has none for, in `teams`
// order. Teams already refreshed hold entries for each other, so for them only
// the pairs with a team that came since need a look: one new team costs a
// pass over the teams, not over all pairs.
void TournamentStore::refreshOpponentLists() {
    const std::size_t count = teams_.size();
    std::vector<std::size_t> hashes(count);
    std::vector<bool> isNew(count);
    std::vector<std::size_t> newTeams;
    for (std::size_t i = 0; i < count; ++i) {
        hashes[i] = foldedHash(teams_[i]->teamName);
        isNew[i] = !index_->refreshed.contains(teams_[i].get());
        if (isNew[i]) {
            newTeams.push_back(i);
        }
    }
    if (newTeams.empty()) {
        return;
    }
    std::vector<std::size_t> allTeams(count);
    std::iota(allTeams.begin(), allTeams.end(), std::size_t{0});
    const std::vector<std::size_t> firsts = firstUnderEachName(teams_, hashes);

    for (std::size_t i = 0; i < count; ++i) {
        TeamRecord& team = *teams_[i];
        const bool empty = team.opponents_.empty();
        const std::vector<std::size_t>& others = !isNew[i] ? newTeams : empty ? firsts : allTeams;
        team.reserveOpponents(team.opponents_.size() + others.size());
        for (std::size_t j : others) {
            const std::string& other = teams_[j]->teamName;
            if (hashes[j] == hashes[i] && namesEqual(other, team.teamName)) {
                continue;
            }
            // An empty list takes each first name once, so needs no look.
            if (empty || !team.hasOpponent(other, hashes[j])) {
                team.addOpponent(other, hashes[j]);
            }
        }
    }
    for (std::size_t i : newTeams) {
        index_->refreshed.insert(teams_[i].get());
    }
}

} // namespace corvane

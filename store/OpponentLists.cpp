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

bool TournamentStore::hasOpponent(const TeamRecord& team, std::string_view name,
                                  std::size_t hash) const {
    const auto found = index_->teamsByHash.find(hash);
    if (found == index_->teamsByHash.end()) {
        return false;
    }
    return std::any_of(found->second.begin(), found->second.end(), [&](const auto& entry) {
        const std::uint32_t id = entry.team->id_;
        return id < team.positionOf_.size() && team.positionOf_[id] != TeamRecord::none &&
               namesEqual(entry.team->teamName, name);
    });
}

void TournamentStore::addOpponent(TeamRecord& team, const TeamRecord& other) {
    if (team.positionOf_.size() <= other.id_) {
        team.positionOf_.resize(teamsById_.size(), TeamRecord::none);
    }
    team.positionOf_[other.id_] = static_cast<std::uint32_t>(team.opponents_.size());
    team.opponents_.push_back(other.id_);
}

void TournamentStore::markOpponentPlayed(TeamRecord& team, std::string_view name,
                                         std::int32_t value) {
    markOpponentPlayed(team, name, foldedHash(name), value);
}

void TournamentStore::markOpponentPlayed(TeamRecord& team, std::string_view name, std::size_t hash,
                                         std::int32_t value) {
    const auto found = index_->teamsByHash.find(hash);
    if (found == index_->teamsByHash.end()) {
        return;
    }
    for (const auto& entry : found->second) {
        const std::uint32_t id = entry.team->id_;
        if (id >= team.positionOf_.size() || team.positionOf_[id] == TeamRecord::none ||
            !namesEqual(entry.team->teamName, name)) {
            continue;
        }
        std::uint32_t& mark = team.opponents_[team.positionOf_[id]];
        mark = value != 0 ? (mark | TeamRecord::playedBit) : (mark & ~TeamRecord::playedBit);
    }
}

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
        team.opponents_.reserve(team.opponents_.size() + others.size());
        team.positionOf_.resize(teamsById_.size(), TeamRecord::none);
        for (std::size_t j : others) {
            const std::string& other = teams_[j]->teamName;
            if (hashes[j] == hashes[i] && namesEqual(other, team.teamName)) {
                continue;
            }
            // An empty list takes each first name once, so needs no look.
            if (empty || !hasOpponent(team, other, hashes[j])) {
                addOpponent(team, *teams_[j]);
            }
        }
    }
    for (std::size_t i : newTeams) {
        index_->refreshed.insert(teams_[i].get());
    }
}

} // namespace corvane

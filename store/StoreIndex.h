#pragma once
// The store's private lookup tables: folded name hashes to the records that
// carry them, so lookups cost the same with ten teams or ten thousand.
#include "store/TournamentStore.h"

#include <cstddef>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace corvane {

struct TournamentStore::NameIndex {
    struct IndexedTeam {
        TeamRecord* team;
        std::size_t position; // in `teams`, renewed by every reorder
    };
    // Every team under the hash of its name.
    std::unordered_map<std::size_t, std::vector<IndexedTeam>> teamsByHash;
    std::size_t indexedTeams = 0;
    std::unordered_map<std::size_t, std::vector<const std::string*>> playersByHash;
    // Teams whose opponent lists hold every team that was there at the last refresh.
    std::unordered_set<const TeamRecord*> refreshed;

    void addTeam(TeamRecord* team) {
        teamsByHash[foldedHash(team->teamName)].push_back({team, indexedTeams});
        ++indexedTeams;
    }
    void addPlayer(const std::string* player) {
        playersByHash[foldedHash(*player)].push_back(player);
    }
};

} // namespace corvane

#pragma once
// The players who are already in a team, looked up by folded name, so that
// judging every player against every team costs one pass over each.
#include "store/TournamentStore.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_set>

namespace corvane::dialogs {

class AssignedPlayers {
public:
    // Takes in the first and second player of every team of `store`.
    void rebuild(const TournamentStore& store);
    // True when the set was built from `store` as it is now; teams only grow
    // while a dialog is open, so their count tells.
    bool isCurrent(const TournamentStore& store) const;
    // True when `name` equals some team member's name without regard to case.
    bool contains(std::string_view name) const;

private:
    std::unordered_set<std::string> folded_;
    const TournamentStore* store_ = nullptr;
    std::size_t teamCount_ = 0;
};

} // namespace corvane::dialogs

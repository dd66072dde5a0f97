#pragma once
// What becomes of each name of a list before anything is added: added, or
// refused and why, decided as a name typed into Add Player is decided.
#include "imports/NameList.h"
#include "store/TournamentStore.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace corvane {

enum class NameVerdict {
    added,
    empty,
    controlCharacter,  // a line break or another control character
    alreadyRegistered, // a player of that name exists, letter case aside
    twiceInList,       // an earlier name of the list is the same, letter case aside
};

struct NameDecision {
    ListedName listed;
    NameVerdict verdict = NameVerdict::added;
    std::size_t sameAsLine = 0; // twiceInList: the line of the earlier name
};

struct NameReview {
    std::vector<NameDecision> decisions; // in list order
    std::size_t addedCount = 0;
    // The names to add, in list order, exactly as listed.
    std::vector<std::string> namesToAdd() const;
};

// Judges every name against the players of `store`, which is only read, and
// against the names before it in the list. Names are kept exactly as listed:
// blanks count like any other character, as they do when typed.
NameReview reviewNames(std::vector<ListedName> names, const TournamentStore& store);

// "will be added", or "refused: " and the reason.
std::string decisionText(const NameDecision& decision);

// The name with blanks at either end shown as "␣" and control characters as
// their visible pictures, so that a person sees what will be stored.
std::string visibleName(std::string_view name);

} // namespace corvane

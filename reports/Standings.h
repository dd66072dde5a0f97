#pragma once
// The standings order of the teams and the text of a position.
#include "store/Records.h"
#include "store/TournamentStore.h"

#include <string>

namespace corvane {

// True when `a` stands before `b`: higher win ratio, then higher win-loss
// difference, then higher average margin, the floats compared as stored.
bool standsBefore(const TeamRecord& a, const TeamRecord& b);

// Puts store.teams into standings order; teams equal in all keys keep their
// order. Nothing but the order of the list changes.
void orderStandings(TournamentStore& store);

// English ordinal of a 1-based position: 1st, 2nd, 3rd, 4th, 11th, 21st, 112th.
std::string positionLabel(int position);

} // namespace corvane

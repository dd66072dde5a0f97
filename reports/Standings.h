#pragma once
// The standings order of the teams and the text of a position.
#include "store/Records.h"
#include "store/TournamentStore.h"

#include <string>
#include <vector>

namespace corvane {

// True when `a` stands before `b`: higher win ratio, then higher win-loss
// difference, then higher average margin, the floats compared as stored.
bool standsBefore(const TeamRecord& a, const TeamRecord& b);

// Puts store.teams into standings order; teams equal in all keys keep their
// order. Nothing but the order of the list changes.
void orderStandings(TournamentStore& store);

// The teams in standings order, leaving the store's order as it is.
std::vector<const TeamRecord*> standingsOrder(RecordList<TeamRecord> teams);

// Win % as the standings show it: the stored ratio, widened, times 100.
double winPercentage(const TeamRecord& team);

// English ordinal of a 1-based position: 1st, 2nd, 3rd, 4th, 11th, 21st, 112th.
std::string positionLabel(int position);

} // namespace corvane

#include "reports/Standings.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace corvane {

namespace {

// A ratio or margin that is not a number would break the sort's ordering;
// such a value ranks lowest, every real value keeps its exact stored order.
float rankingValue(float value) {
    return std::isnan(value) ? -std::numeric_limits<float>::infinity() : value;
}

} // namespace

bool standsBefore(const TeamRecord& a, const TeamRecord& b) {
    const float ratioA = rankingValue(a.winRatio);
    const float ratioB = rankingValue(b.winRatio);
    if (ratioA != ratioB) {
        return ratioA > ratioB;
    }
    if (a.winLossDifference != b.winLossDifference) {
        return a.winLossDifference > b.winLossDifference;
    }
    return rankingValue(a.averageMargin) > rankingValue(b.averageMargin);
}

void orderStandings(TournamentStore& store) {
    store.reorderTeams(standsBefore);
}

std::vector<const TeamRecord*> standingsOrder(RecordList<TeamRecord> teams) {
    std::vector<const TeamRecord*> order;
    order.reserve(teams.size());
    for (const TeamRecord& team : teams) {
        order.push_back(&team);
    }
    std::stable_sort(order.begin(), order.end(),
                     [](const TeamRecord* a, const TeamRecord* b) { return standsBefore(*a, *b); });
    return order;
}

double winPercentage(const TeamRecord& team) {
    constexpr double percent = 100.0;
    return static_cast<double>(team.winRatio) * percent;
}

std::string positionLabel(int position) {
    const int lastTwo = position % 100;
    const char* suffix = "th";
    if (lastTwo < 11 || lastTwo > 13) {
        switch (position % 10) {
        case 1:
            suffix = "st";
            break;
        case 2:
            suffix = "nd";
            break;
        case 3:
            suffix = "rd";
            break;
        default:
            break;
        }
    }
    return std::to_string(position) + suffix;
}

} // namespace corvane

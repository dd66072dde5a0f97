#include "reports/Standings.h"

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

#include "pairings/Schedule.h"

#include "pairings/EdgeColouring.h"

#include <algorithm>

namespace corvane {

namespace {

ScheduleRound roundOf(int teamCount, const std::vector<TeamPair>& pairs) {
    ScheduleRound round;
    std::vector<bool> playing(static_cast<std::size_t>(teamCount), false);
    for (const TeamPair& pair : pairs) {
        const int better = std::min(pair.a, pair.b);
        const int worse = std::max(pair.a, pair.b);
        round.tables.push_back({better, worse, false});
        playing[static_cast<std::size_t>(better)] = true;
        playing[static_cast<std::size_t>(worse)] = true;
    }
    std::sort(round.tables.begin(), round.tables.end(),
              [](const Table& x, const Table& y) { return x.team1 < y.team1; });
    for (int t = 0; t < teamCount; ++t) {
        if (!playing[static_cast<std::size_t>(t)]) {
            round.byes.push_back(t);
        }
    }
    return round;
}

// The circle method: one team (or the bye, with an odd count) stays put while
// the others turn one seat a round, so every pair meets once in
// slots - 1 rounds, slots being the count rounded up to even.
Schedule fullRoundRobin(int teamCount) {
    Schedule schedule;
    const int slots = teamCount + teamCount % 2;
    const int turning = slots - 1;
    for (int r = 0; r < turning; ++r) {
        std::vector<TeamPair> pairs;
        if (slots - 1 < teamCount) {
            pairs.push_back({r, slots - 1});
        }
        for (int k = 1; k < slots / 2; ++k) {
            pairs.push_back({(r + k) % turning, (r - k + turning) % turning});
        }
        schedule.rounds.push_back(roundOf(teamCount, pairs));
    }
    return schedule;
}

} // namespace

Schedule scheduleRemaining(const PairingProblem& problem) {
    const int teams = problem.teamCount();
    if (problem.metPairCount() == 0) {
        return fullRoundRobin(teams);
    }
    std::vector<TeamPair> unmet;
    for (int a = 0; a < teams; ++a) {
        const auto met = problem.opponentsMet(a);
        auto nextMet = std::upper_bound(met.begin(), met.end(), a);
        for (int b = a + 1; b < teams; ++b) {
            if (nextMet != met.end() && *nextMet == b) {
                ++nextMet;
            } else {
                unmet.push_back({a, b});
            }
        }
    }
    Schedule schedule;
    for (const auto& pairs : colourClasses(teams, unmet)) {
        if (!pairs.empty()) {
            schedule.rounds.push_back(roundOf(teams, pairs));
        }
    }
    return schedule;
}

} // namespace corvane

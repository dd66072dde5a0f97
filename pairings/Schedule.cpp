#include "pairings/Schedule.h"

#include "pairings/EdgeColouring.h"

#include <algorithm>
#include <limits>

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
// slots - 1 rounds, slots being the count rounded up to even. Each round is
// made when it is wanted: thousands of teams give tens of millions of tables.
void fullRoundRobin(int teamCount, const ScheduleRoundSink& onRound) {
    const int slots = teamCount + teamCount % 2;
    const int turning = slots - 1;
    std::vector<TeamPair> pairs;
    for (int r = 0; r < turning; ++r) {
        pairs.clear();
        if (slots - 1 < teamCount) {
            pairs.push_back({r, slots - 1});
        }
        for (int k = 1; k < slots / 2; ++k) {
            pairs.push_back({(r + k) % turning, (r - k + turning) % turning});
        }
        if (!onRound(r + 1, roundOf(teamCount, pairs))) {
            return;
        }
    }
}

// The pairs that have not met, each {a < b}.
std::vector<TeamPair> unmetPairs(const PairingProblem& problem) {
    const int teams = problem.teamCount();
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
    return unmet;
}

// What colouring the unmet pairs takes: their list and the colouring's own.
std::uint64_t colouringBytes(const PairingProblem& problem) {
    const auto teams = static_cast<std::uint64_t>(problem.teamCount());
    std::uint64_t fewestMet = teams;
    for (int t = 0; t < problem.teamCount(); ++t) {
        fewestMet = std::min<std::uint64_t>(fewestMet, problem.opponentsMet(t).size());
    }
    const std::uint64_t pairs = teams * (teams - 1) / 2 - problem.metPairCount();
    return pairs * sizeof(TeamPair) +
           colourClassesBytes(problem.teamCount(), pairs, static_cast<int>(teams - 1 - fewestMet));
}

ScheduleOutcome makeLimited(const PairingProblem& problem, const ScheduleRoundSink& onRound,
                            std::uint64_t limit) {
    const int teams = problem.teamCount();
    if (problem.metPairCount() == 0) {
        fullRoundRobin(teams, onRound);
        return {};
    }
    if (const std::uint64_t needed = colouringBytes(problem); needed > limit) {
        return {true, needed};
    }
    const std::vector<std::vector<TeamPair>> classes = colourClasses(teams, unmetPairs(problem));
    int number = 0;
    for (const auto& pairs : classes) {
        if (!pairs.empty() && !onRound(++number, roundOf(teams, pairs))) {
            break;
        }
    }
    return {};
}

} // namespace

ScheduleOutcome makeSchedule(const PairingProblem& problem, const ScheduleRoundSink& onRound) {
    return makeLimited(problem, onRound, kMaxScheduleBytes);
}

Schedule scheduleRemaining(const PairingProblem& problem) {
    Schedule schedule;
    (void)makeLimited(
        problem,
        [&schedule](int, const ScheduleRound& round) {
            schedule.rounds.push_back(round);
            return true;
        },
        std::numeric_limits<std::uint64_t>::max());
    return schedule;
}

} // namespace corvane

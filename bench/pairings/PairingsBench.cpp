// The next round and the remaining schedule halfway through a round robin, for
// a club, a large open and a field far larger than any real one.
#include "pairings/NextRound.h"
#include "pairings/Schedule.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <map>
#include <numeric>
#include <random>

using corvane::PairingProblem;
using corvane::TeamPair;

namespace {

// The first half of a full round robin's rounds, with the seats drawn at random
// against the standings, so each team has met about half the others.
const PairingProblem& halfway(int teams) {
    static std::map<int, PairingProblem> made;
    if (const auto found = made.find(teams); found != made.end()) {
        return found->second;
    }
    const auto full = corvane::scheduleRemaining(corvane::makePairingProblem(teams, {}).value());
    std::vector<int> seat(static_cast<std::size_t>(teams));
    std::iota(seat.begin(), seat.end(), 0);
    std::shuffle(seat.begin(), seat.end(), std::mt19937(20240601u + static_cast<unsigned>(teams)));
    std::vector<TeamPair> met;
    for (std::size_t r = 0; r < full.rounds.size() / 2; ++r) {
        for (const auto& table : full.rounds[r].tables) {
            met.push_back({seat[static_cast<std::size_t>(table.team1)],
                           seat[static_cast<std::size_t>(table.team2)]});
        }
    }
    auto problem = corvane::makePairingProblem(teams, met);
    if (!problem) {
        std::abort();
    }
    return made.emplace(teams, std::move(*problem)).first->second;
}

void NextRoundHalfway(benchmark::State& state) {
    const auto& problem = halfway(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(corvane::proposeNextRound(problem));
    }
}
BENCHMARK(NextRoundHalfway)->Arg(20)->Arg(200)->Arg(2000)->Unit(benchmark::kMillisecond);

void FullSchedule(benchmark::State& state) {
    const auto problem = corvane::makePairingProblem(static_cast<int>(state.range(0)), {}).value();
    for (auto _ : state) {
        benchmark::DoNotOptimize(corvane::scheduleRemaining(problem));
    }
}
BENCHMARK(FullSchedule)->Arg(200)->Arg(2000)->Unit(benchmark::kMillisecond);

void RemainingScheduleHalfway(benchmark::State& state) {
    const auto& problem = halfway(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(corvane::scheduleRemaining(problem));
    }
}
BENCHMARK(RemainingScheduleHalfway)->Arg(20)->Arg(200)->Arg(2000)->Unit(benchmark::kMillisecond);

} // namespace

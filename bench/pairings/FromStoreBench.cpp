// What the Next Round and Schedule windows and corvane-cli pairings and
// schedule do on top of the pairing itself: the pairing problem taken from a
// store halfway through a round robin, and the round or schedule as CSV and as
// a round sheet.
#include "exports/RoundCsv.h"
#include "pairings/NextRound.h"
#include "pairings/PairingField.h"
#include "pairings/Schedule.h"
#include "pairings/Seating.h"
#include "reports/RoundSheets.h"
#include "store/TournamentStore.h"

#include <benchmark/benchmark.h>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <memory>

using corvane::PairingField;
using corvane::TournamentStore;

namespace {

// A store of `teams` teams that have played the first half of a full round
// robin's rounds, with made-up scores, so the standings spread them out.
const TournamentStore& halfway(int teams) {
    static std::map<int, std::unique_ptr<TournamentStore>> made;
    if (const auto found = made.find(teams); found != made.end()) {
        return *found->second;
    }
    auto store = std::make_unique<TournamentStore>();
    for (int i = 0; i < teams; ++i) {
        store->buildTeam("Player " + std::to_string(i) + "a", "Player " + std::to_string(i) + "b");
    }
    const auto full = corvane::scheduleRemaining(corvane::makePairingProblem(teams, {}).value());
    std::uint64_t seed = 20240601u;
    const auto score = [&seed] {
        seed = seed * 6364136223846793005u + 1442695040888963407u;
        return static_cast<std::int32_t>((seed >> 33) % 1801);
    };
    for (std::size_t r = 0; r < full.rounds.size() / 2; ++r) {
        for (const auto& table : full.rounds[r].tables) {
            store->recordGame({score(), score(), 0, 0,
                               store->teams()[static_cast<std::size_t>(table.team1)].teamName,
                               store->teams()[static_cast<std::size_t>(table.team2)].teamName});
        }
    }
    return *made.emplace(teams, std::move(store)).first->second;
}

PairingField fieldOf(const TournamentStore& store) {
    auto field = corvane::pairingField(store);
    if (!field) {
        std::abort();
    }
    return std::move(*field);
}

void PairingFieldHalfway(benchmark::State& state) {
    const TournamentStore& store = halfway(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(corvane::pairingField(store));
    }
}
BENCHMARK(PairingFieldHalfway)->Arg(20)->Arg(200)->Arg(2000)->Unit(benchmark::kMillisecond);

// corvane-cli pairings once the tournament is read: the field, the round and its CSV.
void NextRoundCsvHalfway(benchmark::State& state) {
    const TournamentStore& store = halfway(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        const PairingField field = fieldOf(store);
        const auto round = corvane::proposeNextRound(field.problem);
        benchmark::DoNotOptimize(
            corvane::csv::nextRoundCsv(corvane::roundRows(round.tables, round.bye), field.names,
                                       corvane::csv::NameFields::guarded));
    }
}
BENCHMARK(NextRoundCsvHalfway)->Arg(20)->Arg(200)->Arg(2000)->Unit(benchmark::kMillisecond);

// The Schedule window's Save Sheet without the write: the field, the remaining
// schedule and its page.
void ScheduleSheetHalfway(benchmark::State& state) {
    const TournamentStore& store = halfway(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        const PairingField field = fieldOf(store);
        const auto rows = corvane::scheduleRows(corvane::scheduleRemaining(field.problem));
        benchmark::DoNotOptimize(corvane::scheduleSheet(rows, field.names));
    }
}
BENCHMARK(ScheduleSheetHalfway)->Arg(20)->Arg(200)->Unit(benchmark::kMillisecond);

} // namespace

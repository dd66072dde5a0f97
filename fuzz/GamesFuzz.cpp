// games.txt, with players.txt and teams.txt before it (the input cut at its
// first two NULs): the statistics rebuilt from a save equal those read, and
// removing every game again leaves every team as if it had never played.
#include "fuzz/ScratchTournament.h"

#include <algorithm>
#include <tuple>

using namespace corvane;

namespace {

auto statistics(const TeamRecord& t) {
    return std::make_tuple(t.gamesPlayed, t.wins, t.losses, t.winLossDifference, t.pointsFor,
                           t.pointsAgainst, t.flagsGiven, t.flagged, t.highScore, t.lowScore);
}

auto fields(const GameRecord& g) {
    return std::tie(g.team1Name, g.team2Name, g.team1Score, g.team2Score, g.team1Flags,
                    g.team2Flags);
}

std::unique_ptr<TournamentStore> load(const fuzz::ScratchTournament& scratch) {
    auto store = scratch.openStore();
    store->loadAll();
    return store;
}

bool carriesBack(const TournamentStore& store) {
    const auto cr = fuzz::endsInCarriageReturn;
    return std::none_of(store.players.begin(), store.players.end(),
                        [&](const auto& p) { return cr(*p); }) &&
           std::none_of(store.teams.begin(), store.teams.end(),
                        [&](const auto& t) { return cr(t->teamName); }) &&
           std::none_of(store.games.begin(), store.games.end(),
                        [&](const auto& g) { return cr(g->team1Name) || cr(g->team2Name); });
}

void checkRoundTrip(const fuzz::ScratchTournament& scratch, const TournamentStore& first) {
    FUZZ_CHECK(first.writePlayers().ok(), "players.txt");
    // writeTeams refreshes the opponent lists, so it goes on a copy of the files only.
    auto writer = load(scratch);
    FUZZ_CHECK(writer->writeTeams().ok(), "teams.txt");
    FUZZ_CHECK(first.writeGames().ok(), "games.txt");
    auto second = load(scratch);
    FUZZ_CHECK(second->games.size() == first.games.size(), "count changed on reload");
    for (std::size_t i = 0; i < first.games.size(); ++i) {
        FUZZ_CHECK(fields(*first.games[i]) == fields(*second->games[i]), first.games[i]->team1Name);
    }
    for (std::size_t i = 0; i < first.teams.size(); ++i) {
        FUZZ_CHECK(statistics(*first.teams[i]) == statistics(*second->teams[i]),
                   first.teams[i]->teamName);
    }
}

void checkRemovingAll(TournamentStore& store) {
    while (!store.games.empty()) {
        const std::size_t before = store.games.size();
        FUZZ_CHECK(store.removeGame(formatGameLine(*store.games.back())),
                   "a listed game not found");
        FUZZ_CHECK(store.games.size() == before - 1, "removeGame took other than one game");
    }
    for (const auto& team : store.teams) {
        FUZZ_CHECK(statistics(*team) == statistics(TeamRecord()), team->teamName);
        for (const auto& entry : team->opponents) {
            FUZZ_CHECK(entry->played == 0, team->teamName + " / " + entry->opponentName);
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const fuzz::ScratchTournament& scratch = fuzz::ScratchTournament::fresh();
    const auto parts = fuzz::splitInput(data, size, 3);
    scratch.put("players.txt", parts[0]);
    scratch.put("teams.txt", parts[1]);
    scratch.put("games.txt", parts[2]);

    auto first = load(scratch);
    FUZZ_CHECK(first->games.size() <= fuzz::linesHolding(parts[2], "GAME"), "games from nowhere");
    for (const auto& team : first->teams) {
        FUZZ_CHECK(team->gamesPlayed >= 0 && team->wins + team->losses <= team->gamesPlayed,
                   team->teamName);
    }
    if (carriesBack(*first)) {
        checkRoundTrip(scratch, *first);
    }
    checkRemovingAll(*first);
    return 0;
}

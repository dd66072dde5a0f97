// teams.txt, after the players it splits against (the input up to its first
// NUL is players.txt): every TEAM line gives one team, each team's opponent
// list names only other teams, and a save reads back to the same teams.
#include "fuzz/ScratchTournament.h"

#include <algorithm>

using namespace corvane;

namespace {

void checkOpponentLists(const TournamentStore& store) {
    for (const auto& team : store.teams) {
        FUZZ_CHECK(team->opponents.size() < store.teams.size(), team->teamName);
        for (const auto& entry : team->opponents) {
            FUZZ_CHECK(entry->played == 0, "a played mark without games");
            FUZZ_CHECK(store.findTeam(entry->opponentName) != nullptr, entry->opponentName);
        }
    }
}

bool carriesBack(const TournamentStore& store) {
    const auto bad = [](const auto& p) { return fuzz::endsInCarriageReturn(*p); };
    return std::none_of(store.players.begin(), store.players.end(), bad) &&
           std::none_of(store.teams.begin(), store.teams.end(),
                        [](const auto& t) { return fuzz::endsInCarriageReturn(t->teamName); });
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const fuzz::ScratchTournament& scratch = fuzz::ScratchTournament::fresh();
    const auto parts = fuzz::splitInput(data, size, 2);
    scratch.put("players.txt", parts[0]);
    scratch.put("teams.txt", parts[1]);

    auto first = scratch.openStore();
    first->readPlayers();
    first->readTeams();
    FUZZ_CHECK(first->teams.size() == fuzz::linesHolding(parts[1], "TEAM"), "a team was lost");
    checkOpponentLists(*first);
    if (!carriesBack(*first)) {
        return 0;
    }

    FUZZ_CHECK(first->writePlayers().ok(), "players.txt");
    FUZZ_CHECK(first->writeTeams().ok(), "teams.txt");
    auto second = scratch.openStore();
    second->readPlayers();
    second->readTeams();
    FUZZ_CHECK(second->teams.size() == first->teams.size(), "count changed on reload");
    for (std::size_t i = 0; i < first->teams.size(); ++i) {
        const TeamRecord& a = *first->teams[i];
        const TeamRecord& b = *second->teams[i];
        FUZZ_CHECK(a.teamName == b.teamName, a.teamName);
        FUZZ_CHECK(a.firstPlayer == b.firstPlayer && a.secondPlayer == b.secondPlayer, a.teamName);
        FUZZ_CHECK(a.opponents.size() == b.opponents.size(), a.teamName);
    }
    return 0;
}

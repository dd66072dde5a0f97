// players.txt: every line holding PLAYER gives one player, and what was read
// saves and reads back unchanged.
#include "fuzz/ScratchTournament.h"

#include <algorithm>

using namespace corvane;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const fuzz::ScratchTournament& scratch = fuzz::ScratchTournament::fresh();
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    scratch.put("players.txt", input);

    auto first = scratch.openStore();
    first->readPlayers();
    FUZZ_CHECK(first->players.size() == fuzz::linesHolding(input, "PLAYER"), "a player was lost");

    if (std::any_of(first->players.begin(), first->players.end(),
                    [](const auto& p) { return fuzz::endsInCarriageReturn(*p); })) {
        return 0;
    }
    FUZZ_CHECK(first->writePlayers().ok(), "players.txt");
    const std::string saved = scratch.get("players.txt");
    auto second = scratch.openStore();
    second->readPlayers();
    FUZZ_CHECK(second->players.size() == first->players.size(), "count changed on reload");
    for (std::size_t i = 0; i < first->players.size(); ++i) {
        FUZZ_CHECK(*second->players[i] == *first->players[i], *first->players[i]);
    }
    FUZZ_CHECK(second->writePlayers().ok(), "players.txt");
    FUZZ_CHECK(scratch.get("players.txt") == saved, "a second save differs");
    return 0;
}

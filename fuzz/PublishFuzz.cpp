// Publishing from arbitrary names and numbers: every page lands as a plain
// file directly inside the tournament folder, one per team plus the leader
// board, and nothing is written anywhere else.
#include "fuzz/ScratchTournament.h"
#include "reports/WriteReports.h"

#include <filesystem>
#include <fuzzer/FuzzedDataProvider.h>
#include <set>

using namespace corvane;

namespace {

void addTeams(FuzzedDataProvider& input, TournamentStore& store) {
    const auto count = input.ConsumeIntegralInRange<std::size_t>(0, 12);
    for (std::size_t i = 0; i < count && !store.players.empty(); ++i) {
        const auto pick = [&] {
            return *store.players[input.ConsumeIntegralInRange<std::size_t>(
                0, store.players.size() - 1)];
        };
        auto team = std::make_unique<TeamRecord>();
        team->firstPlayer = pick();
        team->secondPlayer = pick();
        // Mostly the usual pair; sometimes a name as a hand-edited file may hold.
        team->teamName = input.ConsumeBool() ? team->firstPlayer + " & " + team->secondPlayer
                                             : input.ConsumeRandomLengthString(80);
        store.appendTeam(std::move(team));
    }
    store.refreshOpponentLists();
}

void addGames(FuzzedDataProvider& input, TournamentStore& store) {
    const auto count = input.ConsumeIntegralInRange<std::size_t>(0, 24);
    for (std::size_t i = 0; i < count && !store.teams.empty(); ++i) {
        const auto pick = [&] {
            return store
                .teams[input.ConsumeIntegralInRange<std::size_t>(0, store.teams.size() - 1)]
                ->teamName;
        };
        auto game = std::make_unique<GameRecord>();
        game->team1Name = pick();
        game->team2Name = input.ConsumeBool() ? pick() : input.ConsumeRandomLengthString(40);
        game->team1Score = input.ConsumeIntegral<std::int32_t>();
        game->team2Score = input.ConsumeIntegral<std::int32_t>();
        game->team1Flags = input.ConsumeIntegral<std::int32_t>();
        game->team2Flags = input.ConsumeIntegral<std::int32_t>();
        store.appendGame(std::move(game));
        const GameRecord& added = *store.games.back();
        store.applyGameResult(added);
        if (TeamRecord* team = store.findTeam(added.team1Name)) {
            team->markOpponentPlayed(added.team2Name, 1);
        }
        if (TeamRecord* team = store.findTeam(added.team2Name)) {
            team->markOpponentPlayed(added.team1Name, 1);
        }
    }
}

void checkPagesInFolder(const fuzz::ScratchTournament& scratch, const ReportOutcome& outcome) {
    const std::string folder = scratch.folder() + "/";
    std::set<std::string> names;
    for (const std::string& path : outcome.written) {
        FUZZ_CHECK(path.starts_with(folder), path);
        const std::string name = path.substr(folder.size());
        FUZZ_CHECK(!name.empty() && name.find('/') == std::string::npos &&
                       name.find('\0') == std::string::npos && name != "." && name != "..",
                   path);
        FUZZ_CHECK(std::filesystem::is_regular_file(path), path);
        FUZZ_CHECK(names.insert(name).second, "two pages written to " + path);
    }
    for (const std::string& entry : scratch.folderEntries()) {
        FUZZ_CHECK(names.count(entry) == 1, "a stray file " + entry);
    }
    const auto rootEntries = scratch.rootEntries();
    FUZZ_CHECK(rootEntries.size() == 1, "something written beside the tournament folder");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const fuzz::ScratchTournament& scratch = fuzz::ScratchTournament::fresh();
    FuzzedDataProvider input(data, size);
    auto store = scratch.openStore();
    const auto players = input.ConsumeIntegralInRange<std::size_t>(1, 12);
    for (std::size_t i = 0; i < players; ++i) {
        store->appendPlayer(input.ConsumeRandomLengthString(300));
    }
    addTeams(input, *store);
    addGames(input, *store);

    const ReportOutcome outcome = writeReports(*store);
    for (const SaveResult& failure : outcome.failures) {
        fuzz::fail("a page could not be written", failure.message());
    }
    const std::size_t expected = store->teams.empty() ? 0 : store->teams.size() + 1;
    FUZZ_CHECK(outcome.written.size() == expected, "a page is missing");
    checkPagesInFolder(scratch, outcome);

    // The same store publishes to the same names.
    const ReportOutcome again = writeReports(*store);
    FUZZ_CHECK(again.written == outcome.written, "page names changed between publishes");
    return 0;
}

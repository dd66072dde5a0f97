// Every fuzz target, one build each. CORVANE_FUZZ_FILES=1, 2 or 3 feeds the
// input, cut at NULs, to players.txt, teams.txt and games.txt in turn; 4 does
// the same and then publishes the pages; 0 feeds it to tournament.dat.
#include "reports/WriteReports.h"
#include "store/TournamentStore.h"

// The checks hold in every build type.
#undef NDEBUG
#include <algorithm>
#include <array>
#include <cassert>
#include <filesystem>
#include <fstream>
#include <set>
#include <unistd.h>

using namespace corvane;
namespace fs = std::filesystem;

namespace {

// A store on the one working directory of this process, in memory where it
// can be (every save syncs); `empty` first clears it so no input sees another's files.
std::unique_ptr<TournamentStore> openStore(bool empty) {
    static const fs::path root =
        (fs::is_directory("/dev/shm") ? "/dev/shm" : fs::temp_directory_path()) /
        ("corvane-fuzz-" + std::to_string(::getpid()));
    static struct Cleanup {
        std::error_code ignored;
        ~Cleanup() { fs::remove_all(root, ignored); }
    } cleanup;
    if (empty) {
        fs::remove_all(root);
        fs::create_directories(root / "Tournament1");
    }
    auto store = std::make_unique<TournamentStore>();
    (void)store->readTournamentNumber(root); // missing at first
    store->tournamentFolder = "Tournament1";
    return store;
}

// Lines end at LF, CR LF or a lone CR, as the readers end them.
std::size_t linesHolding(std::string_view text, std::string_view word) {
    std::size_t count = 0;
    for (std::size_t at = 0, end = 0; end != text.npos; at = end + 1) {
        end = text.find_first_of("\r\n", at);
        count += text.substr(at, end - at).find(word) != text.npos;
        if (end != text.npos && text[end] == '\r' && end + 1 < text.size() &&
            text[end + 1] == '\n') {
            ++end;
        }
    }
    return count;
}

bool isUtf16(std::string_view bytes) {
    return bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF");
}

// Everything a save must carry back: names, then numbers, in list order.
auto contents(const TournamentStore& s) {
    std::pair<std::vector<std::string>, std::vector<std::array<std::int64_t, 12>>> c;
    c.first.assign(s.players().begin(), s.players().end());
    for (const TeamRecord& t : s.teams()) {
        c.first.insert(c.first.end(), {t.teamName, t.firstPlayer, t.secondPlayer});
        c.second.push_back(
            {std::int64_t(t.opponents().size()),
             std::ranges::count_if(t.opponents(), [](const auto& o) { return o.played; }),
             t.gamesPlayed, t.wins, t.losses, t.winLossDifference, t.pointsFor, t.pointsAgainst,
             t.flagsGiven, t.flagged, t.highScore, t.lowScore});
    }
    for (const GameRecord& g : s.games()) {
        c.first.insert(c.first.end(), {g.team1Name, g.team2Name});
        c.second.push_back({g.team1Score, g.team2Score, g.team1Flags, g.team2Flags});
    }
    return c;
}

// Pages from arbitrary names and numbers: one per team plus the leader board,
// each a plain file directly in the tournament folder, and nothing else written.
void checkPages(TournamentStore& store) {
    const ReportOutcome outcome = writeReports(store);
    const std::set<std::string> pages(outcome.written.begin(), outcome.written.end());
    assert(outcome.ok() && pages.size() == (store.teams().empty() ? 0 : store.teams().size() + 1));
    assert(std::ranges::all_of(pages, [&](auto& page) {
        return fs::path(page).parent_path() == store.tournamentPath() && fs::is_regular_file(page);
    }));
    // Beside them only the folder, the three data files (and the versions kept
    // of those) and the list of the pages written: no temporary, nothing outside.
    const auto written = std::ranges::count_if(
        fs::recursive_directory_iterator(store.workingDirectory), [](const auto& entry) {
            return entry.path().parent_path().filename() != "backups" &&
                   entry.path().filename() != "backups";
        });
    const std::ptrdiff_t pageList = pages.empty() ? 0 : 1;
    assert(written == std::ptrdiff_t(pages.size() + 4) + pageList);
    assert(writeReports(store).written == outcome.written);
}

void dataFiles(std::string_view input, int files) {
    auto first = openStore(true);
    std::array<std::string_view, 3> parts{};
    for (int i = 0, n = std::min(files, 3); i < 3; ++i) {
        parts[i] = input.substr(0, i + 1 < n ? input.find('\0') : i < n ? input.npos : 0);
        input.remove_prefix(std::min(input.size(), parts[i].size() + 1));
        std::ofstream(first->filePath(std::array{"players.txt", "teams.txt", "games.txt"}[i]),
                      std::ios::binary)
            << parts[i];
    }
    // UTF-16 has its keywords in other bytes, and what does not decode is refused.
    if (first->loadAll().refused() || std::ranges::any_of(parts, isUtf16)) {
        return;
    }
    // A record for every line holding its keyword, none lost and none invented.
    assert(first->players().size() == linesHolding(parts[0], "PLAYER"));
    assert(first->teams().size() == linesHolding(parts[1], "TEAM"));
    assert(first->games().size() <= linesHolding(parts[2], "GAME"));
    for (const TeamRecord& team : first->teams()) {
        assert(team.wins + team.losses <= team.gamesPlayed &&
               team.opponents().size() < first->teams().size() &&
               std::ranges::all_of(team.opponents(),
                                   [&](const auto& o) { return first->findTeam(o.opponentName); }));
    }
    // A name ending in a carriage return reads back as a Windows line end.
    const auto before = contents(*first);
    if (std::ranges::none_of(before.first, [](auto& n) { return n.ends_with('\r'); })) {
        assert(first->writePlayers() && first->writeTeams() && first->writeGames());
        first = openStore(false);
        assert(!first->loadAll().refused());
        assert(contents(*first) == before);
    }
    // Taking every game out again leaves every team as if it had never played.
    for (auto n = first->games().size(); n > 0; --n) {
        assert(first->removeGame(formatGameLine(first->games().back())) &&
               first->games().size() == n - 1);
    }
    for (const auto& numbers : contents(*first).second) {
        assert(std::all_of(numbers.begin() + 1, numbers.end(), [](auto n) { return n == 0; }));
    }
    // Publishing puts the teams in standings order, so it goes on a store of its own.
    if (files > 3) {
        auto published = openStore(false);
        assert(!published->loadAll().refused());
        checkPages(*published);
    }
}

// Any content reads to a number and its folder; the number saved reads as itself.
void tournamentDat(std::string_view input) {
    const std::string root = openStore(true)->workingDirectory;
    std::ofstream(root + "/tournament.dat", std::ios::binary) << input;
    TournamentStore first, second;
    if (first.readTournamentNumber(root).refused() || isUtf16(input)) {
        return;
    }
    assert(first.tournamentFolder == "Tournament" + std::to_string(first.tournamentNumber));
    assert((first.noTournamentYet == 0) == (linesHolding(input, "TOURNAMENT") > 0));
    assert(first.noTournamentYet != 0 || first.writeTournamentNumber());
    assert(!second.readTournamentNumber(root).refused());
    assert(second.noTournamentYet == first.noTournamentYet &&
           second.tournamentNumber == first.tournamentNumber);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    CORVANE_FUZZ_FILES == 0 ? tournamentDat(input) : dataFiles(input, CORVANE_FUZZ_FILES);
    return 0;
}

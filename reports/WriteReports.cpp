#include "reports/WriteReports.h"

#include "reports/LeaderBoard.h"
#include "reports/PageFile.h"
#include "reports/PageNames.h"
#include "reports/Standings.h"
#include "reports/TeamPage.h"
#include "store/AtomicFile.h"
#include "store/FileSystem.h"
#include "store/RegularFile.h"

#include <algorithm>
#include <filesystem>
#include <iterator>
#include <unordered_set>

namespace corvane {

namespace {

void publish(ReportOutcome& outcome, const std::string& path, const std::string& page) {
    SaveResult saved = replaceTextPage(path, page);
    if (saved.ok()) {
        outcome.written.push_back(path);
    } else {
        outcome.failures.push_back(std::move(saved));
    }
}

// The team pages the last publish wrote, kept in the tournament folder so a
// page whose team is gone is removed whatever happened since (a restart, an
// undo, a restore). Only plain page names are taken from it: never a path,
// never a page the program writes for another purpose.
std::vector<std::string> readPublishedPages(const TournamentStore& store) {
    std::vector<std::string> names;
    std::string text;
    constexpr std::int64_t maxListBytes = std::int64_t{16} << 20;
    if (readRegularFile(store.filePath(publishedPagesFileName), text, maxListBytes).refused()) {
        return names;
    }
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        std::string name = text.substr(start, end - start);
        start = end + 1;
        const bool plain = name.ends_with(".html") && name.find('/') == std::string::npos &&
                           name.find('\\') == std::string::npos && !name.starts_with('.');
        const bool reserved =
            name == leaderBoardFileName || name == nextRoundFileName || name == scheduleFileName;
        if (plain && !reserved) {
            names.push_back(std::move(name));
        }
    }
    return names;
}

void notePublishedPages(const TournamentStore& store, const std::vector<std::string>& names) {
    std::string text;
    for (const std::string& name : names) {
        text += name;
        text += '\n';
    }
    // Like the pages, it can always be written again.
    AtomicFileWriter file(store.filePath(publishedPagesFileName), Durability::cached);
    file.write(text);
    (void)file.commit();
}

} // namespace

SaveResult pageAllowed(const TournamentStore& store, const std::string& path) {
    // Pages of a tournament not read whole would show wrong figures.
    if (const std::optional<ReadResult> refused = store.refusedRead()) {
        return SaveResult::failure(path, refused->file() +
                                             " could not be read, so no page is written (" +
                                             refused->reason() + ")");
    }
    return SaveResult::success();
}

namespace {

// About what one team's row of the leader board takes, so that the page is
// built without growing.
constexpr std::size_t leaderBoardRowBytes = 1024;

// Per team of the store, in its order, whether its page is made: all, or those
// named in `only`.
std::vector<bool> wantedTeams(const TournamentStore& store,
                              const std::span<const std::string>* only) {
    const RecordList<TeamRecord> teams = store.teams();
    std::vector<bool> wanted(teams.size(), only == nullptr);
    if (only == nullptr || teams.empty()) {
        return wanted;
    }
    std::vector<const TeamRecord*> named;
    for (const std::string& name : *only) {
        std::ranges::copy(store.teamsNamed(name), std::back_inserter(named));
    }
    for (std::size_t i = 0; i < teams.size(); ++i) {
        wanted[i] = std::ranges::find(named, &teams[i]) != named.end();
    }
    return wanted;
}

// The leader board and the pages of every team, or (with `only`) of the
// teams named there.
ReportOutcome publishPages(TournamentStore& store, const std::span<const std::string>* only) {
    ReportOutcome outcome;
    if (SaveResult allowed = pageAllowed(store, store.filePath(leaderBoardFileName)); !allowed) {
        outcome.failures.push_back(std::move(allowed));
        return outcome;
    }
    // Without teams there is nothing to rank; an earlier leader board stays.
    if (store.teams().empty()) {
        return outcome;
    }
    if (only == nullptr) {
        removeLeftoverTemporaries(store.tournamentPath());
    }
    orderStandings(store);
    const std::vector<std::string> pageNames = rememberedTeamPageNames(store.teams());

    std::string page;
    page.reserve(store.teams().size() * leaderBoardRowBytes);
    appendLeaderBoard(page, store.teams(), pageNames);
    publish(outcome, store.filePath(leaderBoardFileName), page);

    const GamesByTeam gamesByTeam =
        only == nullptr ? GamesByTeam(store.games()) : GamesByTeam(store, *only);
    const std::vector<bool> wanted = wantedTeams(store, only);
    for (std::size_t i = 0; i < store.teams().size(); ++i) {
        const TeamRecord& team = store.teams()[i];
        if (!wanted[i]) {
            continue;
        }
        const TeamRecord* owner = store.findTeam(team.teamName);
        page.clear();
        appendTeamPage(page, team, gamesByTeam.gamesOf(team.teamName), owner ? *owner : team);
        publish(outcome, store.filePath(pageNames[i]), page);
    }
    if (only != nullptr) {
        return outcome; // no team came or went
    }
    // A page whose team is gone would show stale figures at an old address.
    const std::unordered_set<std::string> current(pageNames.begin(), pageNames.end());
    for (const std::string& old : readPublishedPages(store)) {
        if (!current.contains(old)) {
            std::error_code ignored;
            std::filesystem::remove(os::pathOf(store.filePath(old)), ignored);
        }
    }
    notePublishedPages(store, pageNames);
    return outcome;
}

} // namespace

ReportOutcome writeReports(TournamentStore& store) {
    return publishPages(store, nullptr);
}

ReportOutcome writeReportsOf(TournamentStore& store, std::span<const std::string> teams) {
    return publishPages(store, &teams);
}

} // namespace corvane

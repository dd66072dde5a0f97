#include "reports/WriteReports.h"

#include "reports/LeaderBoard.h"
#include "reports/PageFile.h"
#include "reports/PageNames.h"
#include "reports/Standings.h"
#include "reports/TeamPage.h"
#include "store/AtomicFile.h"
#include "store/FileSystem.h"

#include <filesystem>
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

ReportOutcome writeReports(TournamentStore& store) {
    ReportOutcome outcome;
    if (SaveResult allowed = pageAllowed(store, store.filePath(leaderBoardFileName)); !allowed) {
        outcome.failures.push_back(std::move(allowed));
        return outcome;
    }
    // Without teams there is nothing to rank; an earlier leader board stays.
    if (store.teams().empty()) {
        return outcome;
    }
    removeLeftoverTemporaries(store.tournamentPath());
    orderStandings(store);
    const std::vector<std::string> pageNames = uniqueTeamPageNames(store.teams());

    std::string page;
    appendLeaderBoard(page, store.teams(), pageNames);
    publish(outcome, store.filePath(leaderBoardFileName), page);

    const GamesByTeam gamesByTeam(store.games());
    for (std::size_t i = 0; i < store.teams().size(); ++i) {
        const TeamRecord& team = store.teams()[i];
        const TeamRecord* owner = store.findTeam(team.teamName);
        page.clear();
        appendTeamPage(page, team, gamesByTeam.gamesOf(team.teamName), owner ? *owner : team);
        publish(outcome, store.filePath(pageNames[i]), page);
    }
    // A page whose team is gone would show stale figures at an old address.
    const std::unordered_set<std::string> current(pageNames.begin(), pageNames.end());
    for (const std::string& old : store.publishedPages) {
        if (!current.contains(old)) {
            std::error_code ignored;
            std::filesystem::remove(os::pathOf(store.filePath(old)), ignored);
        }
    }
    store.publishedPages = pageNames;
    return outcome;
}

} // namespace corvane

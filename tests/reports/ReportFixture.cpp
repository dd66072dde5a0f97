#include "ReportFixture.h"

#include <cstdlib>
#include <fstream>
#include <memory>
#include <sstream>
#include <stdexcept>

namespace corvane::testing {

ReportFixture::ReportFixture() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "corvane-reports-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("cannot make a temporary directory");
    }
    workingDirectory = pattern;
    store.workingDirectory = workingDirectory.string();
    store.tournamentFolder = "Tournament1";
    store.tournamentNumber = 1;
    store.noTournamentYet = 0;
    folder = workingDirectory / "Tournament1";
    std::filesystem::create_directory(folder);
}

ReportFixture::~ReportFixture() {
    std::error_code ignored;
    std::filesystem::remove_all(workingDirectory, ignored);
}

TeamRecord& ReportFixture::addTeam(const std::string& first, const std::string& second) {
    auto team = std::make_unique<TeamRecord>();
    team->firstPlayer = first;
    team->secondPlayer = second;
    team->teamName = first + " & " + second;
    TeamRecord& added = *team;
    store.appendTeam(std::move(team));
    return added;
}

void ReportFixture::linkOpponents() {
    for (const auto& team : store.teams) {
        for (const auto& other : store.teams) {
            if (other != team) {
                team->addOpponent(other->teamName);
            }
        }
    }
}

void ReportFixture::addGame(int score1, int score2, int flags1, int flags2,
                            const std::string& team1, const std::string& team2) {
    auto game = std::make_unique<GameRecord>();
    game->team1Score = score1;
    game->team2Score = score2;
    game->team1Flags = flags1;
    game->team2Flags = flags2;
    game->team1Name = team1;
    game->team2Name = team2;
    store.appendGame(std::move(game));
    if (TeamRecord* first = store.findTeam(team1)) {
        first->markOpponentPlayed(team2, 1);
    }
    if (TeamRecord* second = store.findTeam(team2)) {
        second->markOpponentPlayed(team1, 1);
    }
}

std::string ReportFixture::readPage(const std::string& fileName) const {
    std::ifstream in(folder / fileName, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void setStatistics(TeamRecord& team, int played, int wins, int losses, int pointsFor,
                   int pointsAgainst, int flagsGiven, int flagged, int high, int low) {
    team.gamesPlayed = played;
    team.wins = wins;
    team.losses = losses;
    team.winLossDifference = wins - losses;
    team.pointsFor = pointsFor;
    team.pointsAgainst = pointsAgainst;
    team.flagsGiven = flagsGiven;
    team.flagged = flagged;
    team.highScore = high;
    team.lowScore = low;
    if (played > 0) {
        const auto games = static_cast<float>(played);
        team.winRatio = static_cast<float>(wins) / games;
        team.averageScore = static_cast<float>(pointsFor) / games;
        team.averageOpponentScore = static_cast<float>(pointsAgainst) / games;
        team.averageMargin = static_cast<float>(pointsFor - pointsAgainst) / games;
    }
}

} // namespace corvane::testing

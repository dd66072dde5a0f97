#pragma once
// A tournament built by hand in a temporary working directory, for the page tests.
#include "store/TournamentStore.h"

#include <filesystem>
#include <string>

namespace corvane::testing {

class ReportFixture {
public:
    ReportFixture();
    ~ReportFixture();
    ReportFixture(const ReportFixture&) = delete;
    ReportFixture& operator=(const ReportFixture&) = delete;

    TeamRecord& addTeam(const std::string& first, const std::string& second);
    // Gives every team every other team as an opponent still to play, in teams order.
    void linkOpponents();
    // Records a game and marks both teams as having played each other; no statistic changes.
    void addGame(int score1, int score2, int flags1, int flags2, const std::string& team1,
                 const std::string& team2);

    std::string readPage(const std::string& fileName) const;

    std::filesystem::path workingDirectory;
    std::filesystem::path folder;
    TournamentStore store;
};

// Statistics as the store keeps them, for a team that scored `pointsFor` in `played` games.
void setStatistics(TeamRecord& team, int played, int wins, int losses, int pointsFor,
                   int pointsAgainst, int flagsGiven, int flagged, int high, int low);

} // namespace corvane::testing

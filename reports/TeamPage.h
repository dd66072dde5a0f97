#pragma once
// One team's page: its record, its games seen from its side and the teams it
// has still to meet.
#include "store/Records.h"
#include "store/TournamentStore.h"

#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace corvane {

// A game of a team, and whether the team is its team 1.
struct TeamGame {
    const GameRecord* game;
    bool asTeam1;
};

// The games of each team, found by team name as the store compares names,
// in the order of the games list. Built once per publish.
class GamesByTeam {
public:
    explicit GamesByTeam(RecordList<GameRecord> games);
    // Only the games of `teams` (a few, after one change): one pass over the
    // store's games comparing the names' hashes, no index of every team.
    GamesByTeam(const TournamentStore& store, std::span<const std::string> teams);
    const std::vector<TeamGame>& gamesOf(std::string_view teamName) const;

private:
    std::unordered_map<std::string, std::vector<TeamGame>> byFoldedName_;
};

// Appends the page of `team`. `games` are the team's games in list order;
// the remaining opponents are the unplayed entries of `opponentsOwner`,
// the team the store finds under team's name.
void appendTeamPage(std::string& out, const TeamRecord& team, const std::vector<TeamGame>& games,
                    const TeamRecord& opponentsOwner);

} // namespace corvane

#pragma once
// A store whose tournament folder lies in a temporary directory of the test's own.
#include "TempDir.h"
#include "store/TournamentStore.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace corvane::testing {

class StoreTestBase : public ::testing::Test {
protected:
    StoreTestBase() {
        store.workingDirectory = dir.path();
        store.tournamentFolder = "Tournament1";
        std::filesystem::create_directory(dir.file("Tournament1"));
    }

    // A team built as the Team Builder builds one, with its opponent lists refreshed.
    TeamRecord& addTeam(TournamentStore& s, const std::string& a, const std::string& b) {
        auto team = std::make_unique<TeamRecord>();
        team->firstPlayer = a;
        team->secondPlayer = b;
        team->teamName = a + " & " + b;
        s.appendTeam(std::move(team));
        s.refreshOpponentLists();
        return *s.teams.back();
    }
    TeamRecord& addTeam(const std::string& a, const std::string& b) { return addTeam(store, a, b); }

    // A game saved as the Game Results dialog saves one.
    GameRecord& addGame(const std::string& t1, std::int32_t s1, const std::string& t2,
                        std::int32_t s2, std::int32_t f1 = 0, std::int32_t f2 = 0) {
        auto game = std::make_unique<GameRecord>();
        game->team1Name = t1;
        game->team1Score = s1;
        game->team1Flags = f1;
        game->team2Name = t2;
        game->team2Score = s2;
        game->team2Flags = f2;
        store.appendGame(std::move(game));
        GameRecord& g = *store.games.back();
        store.applyGameResult(g);
        if (TeamRecord* first = store.findTeam(t1)) {
            first->markOpponentPlayed(t2, 1);
        }
        if (TeamRecord* second = store.findTeam(t2)) {
            second->markOpponentPlayed(t1, 1);
        }
        return g;
    }

    std::string folderFile(const std::string& name) const { return store.filePath(name); }

    TempDir dir;
    TournamentStore store;
};

// The played mark of `team` for `opponent`, or -1 without an entry.
inline int playedMark(const TeamRecord& team, const std::string& opponent) {
    for (const auto& entry : team.opponents) {
        if (entry->opponentName == opponent) {
            return entry->played;
        }
    }
    return -1;
}

} // namespace corvane::testing

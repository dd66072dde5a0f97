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
    const TeamRecord& addTeam(const std::string& a, const std::string& b) {
        const TeamRecord& team = store.buildTeam(a, b);
        store.refreshOpponentLists();
        return team;
    }

    // A game saved as the Game Results dialog saves one.
    const GameRecord& addGame(const std::string& t1, std::int32_t s1, const std::string& t2,
                              std::int32_t s2, std::int32_t f1 = 0, std::int32_t f2 = 0) {
        store.recordGame(GameRecord{s1, s2, f1, f2, t1, t2});
        return store.games().back();
    }

    TempDir dir;
    TournamentStore store;
};

// The played mark of `team` for `opponent`, or -1 without an entry.
inline int playedMark(const TeamRecord& team, const std::string& opponent) {
    for (const OpponentEntry& entry : team.opponents())
        if (entry.opponentName == opponent)
            return entry.played;
    return -1;
}

} // namespace corvane::testing

#pragma once
// A tournament of three teams changed only through the door, and the means to
// compare it with what a restart reads from its files.
#include "StoreFixture.h"
#include "history/ApplyChange.h"
#include "history/ChangeHistory.h"

#include <memory>
#include <string>

namespace corvane::testing {

class DoorTest : public StoreTestBase {
protected:
    DoorTest() {
        done(history::AddPlayers{{"Ann", "Bob", "Cy", "Dee", "Zo", "Co"}});
        for (const auto& [a, b] : {std::pair{"Ann", "Bob"}, {"Cy", "Dee"}, {"Zo", "Co"}})
            done(history::BuildTeam{a, b});
    }
    // The change, expected to be made without a word.
    void done(history::Change change) {
        const history::ChangeOutcome outcome = history::applyChange(store, std::move(change));
        ASSERT_TRUE(outcome.done && outcome.problem.empty()) << outcome.problem;
    }
    void save(const std::string& t1, int s1, const std::string& t2, int s2) {
        done(history::SaveGame{GameRecord{s1, s2, 0, 0, t1, t2}, std::nullopt});
    }
    // The games, the first team's wins and the teams' names, as one line each.
    static std::string state(const TournamentStore& s) {
        std::string out;
        for (const std::string& player : s.players())
            out += player + ",";
        for (const GameRecord& game : s.games())
            out += game.team1Name + " " + std::to_string(game.team1Score) + "-" +
                   std::to_string(game.team2Score) + " " + game.team2Name + "; ";
        for (const TeamRecord& team : s.teams())
            out += team.teamName + " " + std::to_string(team.wins) + "/" +
                   std::to_string(team.gamesPlayed) + "; ";
        return out;
    }
    // A store read afresh from the files, as after a restart.
    std::unique_ptr<TournamentStore> reopened() const {
        auto fresh = std::make_unique<TournamentStore>();
        fresh->workingDirectory = store.workingDirectory;
        fresh->tournamentFolder = store.tournamentFolder;
        EXPECT_FALSE(fresh->loadAll().refused());
        return fresh;
    }
    std::string lastJournalAction() const {
        std::size_t damaged = 0;
        const auto lines = history::readJournal(history::journalPath(store), damaged);
        return lines.empty() ? std::string() : lines.back().action;
    }
};

} // namespace corvane::testing

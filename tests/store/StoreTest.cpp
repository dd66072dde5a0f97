#include "StoreFixture.h"

#include <algorithm>

using namespace corvane;
using namespace corvane::testing;

TEST(Store, OneProcessWideStore) {
    ASSERT_EQ(TournamentStore::instance, nullptr);
    TournamentStore::createStore();
    TournamentStore* first = TournamentStore::instance;
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->tournamentNumber, 0);
    EXPECT_EQ(first->noTournamentYet, 1);
    EXPECT_TRUE(first->workingDirectory.empty() && first->tournamentFolder.empty());
    first->appendPlayer("Ann");
    TournamentStore::createStore();
    EXPECT_EQ(TournamentStore::instance, first);
    EXPECT_EQ(first->players.size(), 1u);
    TournamentStore::destroyStore();
    EXPECT_EQ(TournamentStore::instance, nullptr);
    TournamentStore::destroyStore();
    EXPECT_EQ(TournamentStore::instance, nullptr);
}

class StoreLookups : public StoreTestBase {};

TEST_F(StoreLookups, FirstMatchInTeamsOrderWithoutRegardToCase) {
    EXPECT_EQ(store.findTeam("Ann & Bob"), nullptr);
    TeamRecord& upper = addTeam("ANN", "BOB");
    TeamRecord& plain = addTeam("Ann", "Bob");
    addTeam("Zoë", "Жанна");
    EXPECT_EQ(store.findTeam("ann & bob"), &upper);
    EXPECT_EQ(store.findTeam("ZOË & ЖАННА"), store.teams[2].get());
    EXPECT_EQ(store.findTeam("Ann & Bob "), nullptr);
    store.reorderTeams([](const TeamRecord& a, const TeamRecord& b) {
        return a.teamName.compare(b.teamName) > 0;
    });
    EXPECT_EQ(store.teams[1].get(), &plain);
    EXPECT_EQ(store.findTeam("ANN & bob"), &plain);
    // A team built afterwards comes after the last team of that order.
    addTeam("Cy", "Di");
    EXPECT_EQ(store.teams.back()->teamName, "Cy & Di");
    EXPECT_EQ(store.findTeam("cy & di"), store.teams.back().get());

    // Records put straight into the vectors are found too.
    auto direct = std::make_unique<TeamRecord>();
    direct->teamName = "Ed & Flo";
    store.teams.push_back(std::move(direct));
    EXPECT_EQ(store.findTeam("ED & FLO"), store.teams.back().get());
    // Reordered straight in the vector, the new first one wins.
    std::reverse(store.teams.begin(), store.teams.end());
    EXPECT_EQ(store.findTeam("ann & bob"), &upper);
    store.players.push_back(std::make_unique<std::string>("Gus"));
    EXPECT_TRUE(store.hasPlayer("gus"));
    store.appendPlayer("José");
    EXPECT_TRUE(store.hasPlayer("JOSÉ"));
    EXPECT_FALSE(store.hasPlayer("Jose"));
}

TEST_F(StoreLookups, ClearAllEmptiesTheListsOnly) {
    store.clearAll();
    store.tournamentNumber = 4;
    store.appendPlayer("Ann");
    addTeam("Ann", "Bob");
    addGame("Ann & Bob", 1, "X", 2);
    store.clearAll();
    EXPECT_TRUE(store.players.empty() && store.teams.empty() && store.games.empty());
    EXPECT_EQ(store.tournamentFolder, "Tournament1");
    EXPECT_EQ(store.tournamentNumber, 4);
    EXPECT_EQ(store.findTeam("Ann & Bob"), nullptr);
    EXPECT_FALSE(store.hasPlayer("Ann"));
    // A store filled again after clearing builds full opponent lists.
    addTeam("Ann", "Bob");
    addTeam("Cy", "Di");
    EXPECT_EQ(store.teams[0]->opponents.size(), 1u);
}

TEST(StorePaths, PlainConcatenationWithSlashes) {
    TournamentStore store;
    store.workingDirectory = "/data/cards";
    store.tournamentFolder = "Tournament3";
    EXPECT_EQ(store.tournamentPath(), "/data/cards/Tournament3");
    EXPECT_EQ(store.filePath("games.txt"), "/data/cards/Tournament3/games.txt");
    EXPECT_EQ(store.tournamentDatPath(), "/data/cards/tournament.dat");
}

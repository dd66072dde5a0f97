#pragma once
// What the proof tests share: scratch folders, and a tournament loaded from
// one as a fresh program would load it.
#include "TempDir.h"
#include "store/TournamentStore.h"

#include <gtest/gtest.h>

namespace fs = std::filesystem;
using namespace corvane;
using namespace corvane::testing;

inline std::unique_ptr<TournamentStore> loadTournament(const std::string& workingDirectory) {
    auto store = std::make_unique<TournamentStore>();
    EXPECT_FALSE(store->readTournamentNumber(workingDirectory).refused());
    store->tournamentFolder = "Tournament1";
    EXPECT_FALSE(store->loadAll().refused());
    return store;
}

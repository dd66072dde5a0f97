#pragma once
// A window test on an empty tournament: the process-wide store reads and
// writes Tournament1 in the test's own working directory, and every platform
// service is faked.
#include "TestServices.h"
#include "platform/DialogTemplate.h"
#include "store/TournamentStore.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <string>

namespace corvane::testing {

class OpenTournamentTest : public ::testing::Test {
protected:
    OpenTournamentTest() {
        TournamentStore::createStore();
        store().workingDirectory = services.dir.path();
        store().tournamentFolder = "Tournament1";
        std::filesystem::create_directory(store().tournamentPath());
    }
    ~OpenTournamentTest() override { TournamentStore::destroyStore(); }

    static TournamentStore& store() { return *TournamentStore::instance; }
    // A window's control, which must be there.
    template <class Control> static Control& control(const QWidget& window, int controlId) {
        Control* found = platform::control<Control>(window, controlId);
        EXPECT_NE(found, nullptr) << controlId;
        return *found;
    }
    // The bytes of a file in the tournament folder.
    std::string read(const std::string& f) const { return services.dir.read("Tournament1/" + f); }

    TestServices services;
};

} // namespace corvane::testing

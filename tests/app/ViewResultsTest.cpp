#include "app/ViewResults.h"

#include "AppTestFixture.h"

#include <filesystem>

namespace corvane::testing {
namespace {

using ViewResultsTest = AppTest;

TEST_F(ViewResultsTest, ViewersEndBeforeThePagesAreWrittenAndOneStartsAfter) {
    dir.write("tournament.dat", "TOURNAMENT 1\n");
    dir.write("Tournament1/players.txt", "PLAYER Ann\nPLAYER Bob\n");
    dir.write("Tournament1/teams.txt", "TEAM Ann & Bob\n");
    open();
    const std::string page = dir.file("Tournament1/tournament.html");
    bool pageAtEnd = true;
    bool pageAtStart = false;
    services.viewer.onEnd = [&] { pageAtEnd = std::filesystem::exists(page); };
    services.viewer.onStart = [&](const std::string&) {
        pageAtStart = std::filesystem::exists(page);
    };
    app::viewResults(window.get());
    EXPECT_EQ(services.viewer.calls, (std::vector<std::string>{"end", "start " + page}));
    EXPECT_FALSE(pageAtEnd);
    EXPECT_TRUE(pageAtStart);
    EXPECT_TRUE(services.messages.shown().empty());
}

TEST_F(ViewResultsTest, AFailedPageIsOneErrorAndTheViewerStillStarts) {
    dir.write("tournament.dat", "TOURNAMENT 1\n");
    dir.write("Tournament1/players.txt", "PLAYER Ann\nPLAYER Bob\n");
    dir.write("Tournament1/teams.txt", "TEAM Ann & Bob\n");
    // A folder holds the leader board's name, so the page cannot be replaced.
    std::filesystem::create_directories(dir.file("Tournament1/tournament.html/in-the-way"));
    open();
    app::viewResults(window.get());
    ASSERT_EQ(services.messages.shown().size(), 1u);
    const ShownBox& error = services.messages.shown()[0];
    EXPECT_EQ(error.caption, "Error");
    EXPECT_EQ(error.owner, window.get());
    EXPECT_TRUE(error.text.contains("tournament.html"));
    ASSERT_EQ(services.viewer.calls.size(), 2u);
    EXPECT_EQ(services.viewer.calls[1], "start " + dir.file("Tournament1/tournament.html"));

    // Without a store there is nothing to publish.
    window.reset();
    services.viewer.calls.clear();
    app::viewResults(nullptr);
    EXPECT_TRUE(services.viewer.calls.empty());
}

} // namespace
} // namespace corvane::testing
